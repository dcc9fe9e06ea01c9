// The page's side of the calculation sheet (sheet_commands.cpp): the clipboard, the local time,
// the print, and the print section built element by element, every text as text.
mergeInto(LibraryManager.library, {
  // Both forms in one write, through the Clipboard API; where a browser lacks it, through a copy
  // event. Either starts within the click, as browsers require. Answers whether the clipboard
  // took them.
  quotara_write_clipboard: function (text, html) {
    return Asyncify.handleAsync(async () => {
      const plain = UTF16ToString(text);
      const markup = UTF16ToString(html);
      try {
        if (
          navigator.clipboard &&
          navigator.clipboard.write &&
          typeof ClipboardItem === 'function'
        ) {
          await navigator.clipboard.write([
            new ClipboardItem({
              'text/plain': new Blob([plain], { type: 'text/plain' }),
              'text/html': new Blob([markup], { type: 'text/html' }),
            }),
          ]);
          return 1;
        }
        let written = false;
        const put = (event) => {
          event.clipboardData.setData('text/plain', plain);
          event.clipboardData.setData('text/html', markup);
          event.preventDefault();
          written = true;
        };
        document.addEventListener('copy', put);
        try {
          document.execCommand('copy');
        } finally {
          document.removeEventListener('copy', put);
        }
        return written ? 1 : 0;
      } catch (error) {
        return 0;
      }
    });
  },

  // The browser's local time: year, month, day, hour and minute into `parts`.
  quotara_local_time: function (parts) {
    const now = new Date();
    const fields = [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours()];
    HEAP32.set([...fields, now.getMinutes()], parts >> 2);
  },

  // The page's guard lets the beforeprint that print() raises pass: the sheet is in place already.
  quotara_open_print: function () {
    Module.printingSheet = true;
    try {
      print();
    } finally {
      Module.printingSheet = false;
    }
  },

  // The section being written, and the table row cells go into.
  $quotaraSheet: { section: null, row: null },

  // Empties the print section and starts it with the title.
  quotara_sheet_start__deps: ['$quotaraSheet'],
  quotara_sheet_start: function (id, title) {
    quotaraSheet.section = document.getElementById(UTF8ToString(id));
    const heading = document.createElement('h1');
    heading.textContent = UTF16ToString(title);
    quotaraSheet.section.replaceChildren(heading);
  },

  // A paragraph of `prefix` (UTF-8) and `text` (UTF-16).
  quotara_sheet_paragraph__deps: ['$quotaraSheet'],
  quotara_sheet_paragraph: function (prefix, text) {
    const paragraph = document.createElement('p');
    paragraph.textContent = UTF8ToString(prefix) + UTF16ToString(text);
    quotaraSheet.section.append(paragraph);
  },

  // A table whose heading row takes the next cells.
  quotara_sheet_table__deps: ['$quotaraSheet'],
  quotara_sheet_table: function () {
    const table = document.createElement('table');
    quotaraSheet.row = table.createTHead().insertRow();
    table.createTBody();
    quotaraSheet.section.append(table);
  },

  // A row of the table's body, which takes the next cells.
  quotara_sheet_row__deps: ['$quotaraSheet'],
  quotara_sheet_row: function () {
    quotaraSheet.row = quotaraSheet.section.querySelector('tbody').insertRow();
  },

  // A cell: heading or data, a number's (right-aligned) or not, over `columns` columns.
  quotara_sheet_cell__deps: ['$quotaraSheet'],
  quotara_sheet_cell: function (heading, text, number, columns) {
    const cell = document.createElement(heading ? 'th' : 'td');
    cell.textContent = UTF16ToString(text);
    if (number) cell.className = 'number';
    if (columns > 1) cell.colSpan = columns;
    quotaraSheet.row.append(cell);
  },
});
