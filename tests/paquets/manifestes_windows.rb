# Checks the winget and Scoop manifests written beside a Windows zip against
# the zip itself: each names it by its own name and SHA-256, every path a
# manifest names is inside it, the three winget files agree with each other
# and with Scoop's, and the exe at each of those paths, run under wine, prints
# the example's report.
#
#   ruby manifestes_windows.rb <zip> <example.rle> <expected stdout> <wine>
require "date"
require "digest"
require "json"
require "tmpdir"
require "yaml"

zip, exemple, rapport, wine = ARGV
dossier = File.dirname(zip)
nom = File.basename(zip)
empreinte = Digest::SHA256.file(zip).hexdigest
entrees = IO.popen(["cmake", "-E", "tar", "tf", zip], &:read).lines.map(&:chomp)
ecarts = []
verifier = ->(vrai, message) { ecarts << message unless vrai }

# winget: three files, told apart by their ManifestType.
winget = Dir[File.join(dossier, "*.yaml")].to_h do |fichier|
  manifeste = YAML.safe_load(File.read(fichier), permitted_classes: [Date])
  [manifeste.fetch("ManifestType"), manifeste.merge("fichier" => File.basename(fichier))]
end
verifier.(winget.keys.sort == %w[defaultLocale installer version], "winget manifests: #{winget.keys}")
version, installateur, langue = winget.values_at("version", "installer", "defaultLocale")
identifiant = version["PackageIdentifier"]
winget.each_value do |manifeste|
  verifier.(manifeste.values_at("PackageIdentifier", "PackageVersion", "ManifestVersion") ==
            version.values_at("PackageIdentifier", "PackageVersion", "ManifestVersion"),
            "#{manifeste["fichier"]} names another package, version or schema")
end
verifier.(langue["PackageLocale"] == version["DefaultLocale"], "the default locale's file is not DefaultLocale's")
{ version => "#{identifiant}.yaml", installateur => "#{identifiant}.installer.yaml",
  langue => "#{identifiant}.locale.#{version["DefaultLocale"]}.yaml" }.each do |manifeste, attendu|
  verifier.(manifeste["fichier"] == attendu, "#{manifeste["fichier"]}: winget-pkgs wants #{attendu}")
end

chemins = []
installateur.fetch("Installers").each do |un|
  un = installateur.reject { |cle, _| cle == "Installers" }.merge(un)  # the root's keys are inherited
  verifier.(un["InstallerType"] == "zip" && un["NestedInstallerType"] == "portable", "not a portable exe in a zip")
  verifier.(un["InstallerSha256"].downcase == empreinte, "winget's SHA-256 #{un["InstallerSha256"]} is not the zip's")
  verifier.(File.basename(un["InstallerUrl"]) == nom, "winget downloads #{un["InstallerUrl"]}")
  un.fetch("NestedInstallerFiles").each do |exe|
    chemins << exe["RelativeFilePath"].tr("\\", "/")
    verifier.(exe["PortableCommandAlias"] == "info_rle", "winget's command is #{exe["PortableCommandAlias"]}")
  end
end

# Scoop: one file, and what its autoupdate makes of this version must be
# this very manifest.
scoop = JSON.parse(File.read(File.join(dossier, "info_rle.json")))
verifier.(scoop["version"] == version["PackageVersion"], "Scoop's version is #{scoop["version"]}")
scoop.fetch("architecture").each do |architecture, un|
  verifier.(un["hash"] == empreinte, "Scoop's #{architecture} hash #{un["hash"]} is not the zip's")
  verifier.(File.basename(un["url"]) == nom, "Scoop downloads #{un["url"]}")
  chemins << [un["extract_dir"], scoop["bin"]].compact.join("/")
  futur = scoop.dig("autoupdate", "architecture", architecture)
  %w[url extract_dir].each do |cle|
    verifier.(futur[cle]&.gsub("$version", scoop["version"]) == un[cle], "Scoop's autoupdate makes another #{cle}")
  end
end
%w[checkver autoupdate].each { |cle| verifier.(scoop.key?(cle), "Scoop's manifest has no #{cle}") }

chemins.uniq!
chemins.each { |chemin| verifier.(entrees.include?(chemin), "#{chemin} is not in #{nom}: #{entrees}") }
attendu = File.read(rapport)
Dir.mktmpdir do |deballe|
  system("cmake", "-E", "chdir", deballe, "cmake", "-E", "tar", "xf", File.expand_path(zip), exception: true)
  chemins.each do |chemin|
    next unless entrees.include?(chemin)
    sortie = IO.popen([wine, File.join(deballe, chemin), exemple], err: File::NULL, &:read).gsub("\r\n", "\n")
    verifier.(sortie == attendu, "#{chemin} printed [#{sortie}], expected [#{attendu}]")
  end
end

abort ecarts.map { |ecart| "#{nom}: #{ecart}" }.join("\n") unless ecarts.empty?
puts "ok: winget (#{identifiant}) and Scoop name #{nom} by its SHA-256, and #{chemins.join(", ")} runs"
