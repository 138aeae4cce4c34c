// Validates SBOMs against CycloneDX 1.5's JSON schema, strictly (no property
// the schema does not name), with the validator of CycloneDX's own library
// (npm's @cyclonedx/cyclonedx-library, with ajv). Prints each file's verdict
// and fails when one is not valid.
//
//   .ci/node/lancer tests/paquets/cyclonedx.mjs <file.cdx.json>...
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

// Resolved through NODE_PATH, where .ci/node/lancer installed it.
const CDX = createRequire(import.meta.url)('@cyclonedx/cyclonedx-library');
const validateur = new CDX.Validation.JsonStrictValidator(CDX.Spec.Version.v1dot5);
let invalides = 0;
for (const fichier of process.argv.slice(2)) {
  const erreurs = await validateur.validate(readFileSync(fichier, 'utf8'));
  console.log(`${fichier}: ${erreurs === null ? 'valid CycloneDX 1.5' : JSON.stringify(erreurs)}`);
  if (erreurs !== null) invalides++;
}
process.exit(invalides === 0 && process.argv.length > 2 ? 0 : 1);
