// The page's JavaScript libraries (run from the top folder: npm run lint). They run inside the
// loader emscripten writes, whose names they use as globals.
import js from '@eslint/js';
import globals from 'globals';

const loader = Object.fromEntries([
  'mergeInto', 'LibraryManager', 'Module', 'Asyncify', 'ccall', 'UTF8ToString', 'UTF16ToString',
  'stringToUTF16', 'HEAP32', 'HEAPF64', '_malloc', '_quotara_decimal_separator',
  // Shared state, defined as $-prefixed library members, and the page's guard.
  'quotaraFields', 'quotaraField', 'quotaraSheet', 'quotaraBound',
].map((name) => [name, 'readonly']));

// The page's own scripts around the loader, in the syntax every browser parses, so that one too
// old to run the page still gets as far as saying so.
const plainOld = ['app/web/guard.js', 'app/web/compile.js', 'app/web/start.js'];

export default [
  js.configs.recommended,
  {
    files: ['app/web/main.js', 'window/web/*.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.browser, ...loader } },
    rules: { 'no-unused-vars': ['error', { caughtErrors: 'none' }] },
  },
  {
    files: plainOld,
    languageOptions: {
      ecmaVersion: 5,
      sourceType: 'script',
      globals: { ...globals.browser, ...globals.es2015, Quotara: 'readonly' },
    },
    rules: { 'no-unused-vars': ['error', { caughtErrors: 'none' }] },
  },
];
