# Checks what the SBOM beside each package in the folders given says, which
# CycloneDX's schema cannot check (cyclonedx.mjs checks the schema): it
# describes its own package (its purl names the package, its SHA-256 is the
# package's) and the project's version, says who wrote it, names every
# component with its supplier, version and licence, and what built it with
# its version (for a Debian package, the version of the machine that built
# it: outils-linux.txt beside the packages, as the release writes it, or
# else this machine's dpkg-query),
# and for a package of the tool, names its C++ runtime, its compiler's
# support library and its C library.
#
#   ruby sbom.rb <version> <packages folder>...
require "digest"
require "json"

version, *dossiers = ARGV
ecarts = []
nombre = 0
dossiers.each do |dossier|
  # "name" or "name:architecture" => version
  outils = File.join(dossier, "outils-linux.txt")
  installee = if File.exist?(outils)
                File.readlines(outils, chomp: true).to_h { |ligne| ligne.split(" ", 2) }.tap do |table|
                  table.default_proc = ->(t, paquet) { t[paquet.sub(/:[^:]+\z/, "")] if paquet.include?(":") }
                end
              else
                Hash.new do |table, paquet|
                  table[paquet] = IO.popen(["dpkg-query", "-W", "-f=${Version}", paquet], err: File::NULL, &:read)
                end
              end
  Dir[File.join(dossier, "*.{deb,rpm,tar.gz,zip}")].sort.each do |paquet|
    nom = File.basename(paquet)
    verifier = ->(vrai, message) { ecarts << "#{nom}.cdx.json: #{message}" unless vrai }
    fichier = "#{paquet}.cdx.json"
    next verifier.(false, "missing") unless File.exist?(fichier)

    nombre += 1
    sbom = JSON.parse(File.read(fichier))
    verifier.(sbom.values_at("bomFormat", "specVersion") == %w[CycloneDX 1.5], "not CycloneDX 1.5")
    verifier.(sbom["serialNumber"] =~ /\Aurn:uuid:\h{8}-\h{4}-\h{4}-\h{4}-\h{12}\z/, "serial number #{sbom["serialNumber"]}")
    principal = sbom.dig("metadata", "component")
    verifier.(principal["version"] == version, "describes version #{principal["version"]}")
    purl = principal["purl"].to_s.gsub("%2B", "+")
    verifier.(purl.end_with?("/#{nom}") || nom.start_with?(purl[%r{\Apkg:(?:deb|rpm)/info_rle/([^@]+)@}, 1].to_s + (nom.end_with?(".deb") ? "_" : "-")),
              "its purl #{purl} names another package")
    verifier.(principal["hashes"] == [{ "alg" => "SHA-256", "content" => Digest::SHA256.file(paquet).hexdigest }],
              "not this package's SHA-256")
    verifier.(sbom.dig("metadata", "authors", 0, "name") && sbom.dig("metadata", "supplier", "name"), "no author or supplier")

    composants = sbom.fetch("components")
    construction = sbom.fetch("formulation", []).flat_map { |formule| formule["components"] }
    [principal, *composants, *construction].each do |composant|
      verifier.(%w[name version supplier].all? { |cle| composant[cle] && !composant[cle].empty? } &&
                (construction.include?(composant) || composant["licenses"]&.any?),
                "a component without its name, version, supplier or licence: #{composant}")
      architecture = composant["purl"].to_s[%r{\Apkg:deb/debian/.*[?&]arch=([^&]+)}, 1] or next
      paquet_debian = architecture == "all" ? composant["name"] : "#{composant["name"]}:#{architecture}"
      verifier.(installee[paquet_debian] == composant["version"],
                "#{paquet_debian} #{composant["version"]}, the machine that built it has #{installee[paquet_debian].inspect}")
    end
    references = [principal, *composants].map { |composant| composant["bom-ref"] }
    sbom.fetch("dependencies").each do |dependance|
      [dependance["ref"], *dependance["dependsOn"]].each do |reference|
        verifier.(references.include?(reference), "a dependency on #{reference}, which it does not name")
      end
    end
    next unless principal["name"] == "info_rle" && !nom.match?(/\Ainfo_rle-[\d.]+\.tar\.gz\z/)  # not the sources

    noms = composants.map { |composant| composant["name"] }
    { "the reader" => /\Arle_file\z/, "the C++ runtime" => /libstdc\+\+|g\+\+-mingw|libc\+\+|C\+\+ runtime/,
      "the compiler's support library" => /libgcc|gcc-mingw|libSystem|C\+\+ runtime/,
      "the C library" => /\Alibc6|mingw-w64-.*-dev|libSystem|C\+\+ runtime/ }.each do |quoi, motif|
      verifier.(noms.any? { |nom_composant| nom_composant =~ motif }, "does not name #{quoi}: #{noms}")
    end
  end
end

abort ecarts.join("\n") unless ecarts.empty?
puts "ok: #{nombre} SBOMs, one beside each package, each naming every component with its version"
