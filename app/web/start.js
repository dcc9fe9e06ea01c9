// Runs the program once the page's script has loaded.
Quotara();
