// The page's side of following the layout shown (page_layouts.cpp).
mergeInto(LibraryManager.library, {
  // The style sheet names the layout it shows in the root's --layout property. In the column the
  // controls stand in the document in column order, which tabindex 0 follows; a phone's "next"
  // key goes the same way.
  quotara_follow_layout_in_tab_order: function () {
    const stops = [...document.querySelectorAll('#Form1 [tabindex]')].map((element) => [
      element,
      element.tabIndex,
    ]);
    let shown = 'window';
    const follow = () => {
      const layout = getComputedStyle(document.documentElement).getPropertyValue('--layout').trim();
      if (layout !== shown) {
        shown = layout;
        stops.forEach(([element, windowIndex]) => {
          element.tabIndex = layout === 'column' ? 0 : windowIndex;
        });
      }
    };
    addEventListener('resize', follow);
    // The resize event waits for the next frame; a Tab pressed before it still goes the new way.
    addEventListener(
      'keydown',
      (event) => {
        if (event.key === 'Tab') {
          follow();
        }
      },
      true,
    );
    follow();
  },
});
