# Checks the SBOM beside each package in the folders given: it parses as
# CycloneDX 1.5, describes its own package (name and SHA-256) and the
# project's version, names every component with a version (for a Debian
# package, the version dpkg-query gives), and for a package of the tool,
# names its C++ runtime, its compiler's support library and its C library.
#
#   ruby sbom.rb <version> <packages folder>...
require "digest"
require "json"

version, *dossiers = ARGV
ecarts = []
nombre = 0
installee = Hash.new do |table, paquet|
  table[paquet] = IO.popen(["dpkg-query", "-W", "-f=${Version}", paquet], err: File::NULL, &:read)
end
dossiers.each do |dossier|
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
    proprietes = sbom.dig("metadata", "properties").to_h { |propriete| propriete.values_at("name", "value") }
    verifier.(proprietes["info_rle:package"] == nom, "describes #{proprietes["info_rle:package"]}")
    verifier.(proprietes["info_rle:package-sha256"] == Digest::SHA256.file(paquet).hexdigest, "not this package's SHA-256")

    composants = sbom.fetch("components")
    composants.each do |composant|
      verifier.(!composant["name"].to_s.empty? && !composant["version"].to_s.empty?, "a component without its name or version: #{composant}")
      next unless composant["purl"].to_s.start_with?("pkg:deb/")

      verifier.(installee[composant["name"]] == composant["version"],
                "#{composant["name"]} #{composant["version"]}, this machine has #{installee[composant["name"]]}")
    end
    references = [principal, *composants].map { |composant| composant["bom-ref"] }
    sbom.fetch("dependencies").each do |dependance|
      [dependance["ref"], *dependance["dependsOn"]].each do |reference|
        verifier.(references.include?(reference), "a dependency on #{reference}, which it does not name")
      end
    end
    next unless principal["name"] == "info_rle"

    noms = composants.map { |composant| composant["name"] }
    { "the reader" => /\Arle_file\z/, "the C++ runtime" => /libstdc\+\+|g\+\+-mingw/,
      "the compiler's support library" => /libgcc|gcc-mingw/, "the C library" => /\Alibc6|mingw-w64-.*-dev/ }.each do |quoi, motif|
      verifier.(noms.any? { |nom_composant| nom_composant =~ motif }, "does not name #{quoi}: #{noms}")
    end
  end
end

abort ecarts.join("\n") unless ecarts.empty?
puts "ok: #{nombre} SBOMs, one beside each package, each naming every component with its version"
