// The page's side of the message box (web_message_service.cpp).
mergeInto(LibraryManager.library, {
  // Suspends the calling C++ (Asyncify) until the dialog closes, by its button or by Escape.
  // The prompt goes in as text, never as markup.
  quotara_show_message: function (prompt, icon) {
    return Asyncify.handleAsync(async () => {
      const dialog = document.getElementById('message');
      document.getElementById('messageText').textContent = UTF16ToString(prompt);
      dialog.setAttribute('data-icon', UTF8ToString(icon));
      const ok = document.getElementById('messageOk');
      const closed = new Promise((resolve) =>
        dialog.addEventListener('close', resolve, { once: true }),
      );
      ok.onclick = () => dialog.close();
      dialog.showModal();
      ok.focus();
      await closed;
    });
  },
});
