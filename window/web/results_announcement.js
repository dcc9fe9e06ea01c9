// The page's side of the announcement (results_announcement.cpp).
mergeInto(LibraryManager.library, {
  quotara_announce: function (id, text) {
    const region = document.getElementById(UTF8ToString(id));
    if (region) region.textContent = UTF16ToString(text);
  },
});
