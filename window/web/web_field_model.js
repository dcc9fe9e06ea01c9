// The field model's side in the page: the 26 fields' elements, found once by their ids, and what
// the program asks of them. A field gone from the page, or not an <input> of the kind asked for,
// fails the operation.
mergeInto(LibraryManager.library, {
  $quotaraFields: [],

  $quotaraField__deps: ['$quotaraFields'],
  $quotaraField: function (field, type) {
    const element = quotaraFields[field];
    const usable =
      element && element.isConnected && element.tagName === 'INPUT' && element.type === type;
    return usable ? element : null;
  },

  quotara_find_field__deps: ['$quotaraFields'],
  quotara_find_field: function (field, id) {
    quotaraFields[field] = document.getElementById(UTF8ToString(id));
  },

  // The text as UTF-16 in memory the caller frees, its length in code units at `length`; 0
  // where the field is missing.
  quotara_field_text__deps: ['$quotaraField', 'malloc'],
  quotara_field_text: function (field, length) {
    const box = quotaraField(field, 'text');
    if (!box) return 0;
    const text = box.value;
    const bytes = (text.length + 1) * 2;
    const buffer = _malloc(bytes);
    stringToUTF16(text, buffer, bytes);
    HEAP32[length >> 2] = text.length;
    return buffer;
  },

  // 0: missing; 1: it held the text already (its cursor stays); 2: written.
  quotara_set_field_text__deps: ['$quotaraField'],
  quotara_set_field_text: function (field, text) {
    const box = quotaraField(field, 'text');
    if (!box) return 0;
    const replacement = UTF16ToString(text);
    if (box.value === replacement) return 1;
    box.value = replacement;
    return 2;
  },

  quotara_set_field_enabled__deps: ['$quotaraField'],
  quotara_set_field_enabled: function (field, enabled) {
    const box = quotaraField(field, 'text');
    if (box) box.disabled = !enabled;
    return box ? 1 : 0;
  },

  // The colour, and its system colour's code in the data attribute beside it.
  quotara_set_field_back_color__deps: ['$quotaraField'],
  quotara_set_field_back_color: function (field, color, attribute, code) {
    const box = quotaraField(field, 'text');
    if (!box) return 0;
    box.style.backgroundColor = UTF8ToString(color);
    box.setAttribute(UTF8ToString(attribute), UTF8ToString(code));
    return 1;
  },

  // -1: missing; else whether the option button is chosen.
  quotara_field_value__deps: ['$quotaraField'],
  quotara_field_value: function (field) {
    const option = quotaraField(field, 'radio');
    return option ? Number(option.checked) : -1;
  },

  quotara_focus_field__deps: ['$quotaraFields'],
  quotara_focus_field: function (field) {
    const element = quotaraFields[field];
    if (!element || !element.isConnected || element.disabled) return 0;
    element.focus();
    return 1;
  },
});
