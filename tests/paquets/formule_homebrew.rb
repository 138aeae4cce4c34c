# Runs a Homebrew formula's install and test blocks as brew would, without
# Homebrew: with just enough of its Formula class, on the source archive the
# formula names, found beside it. It checks that the formula's SHA-256 is the
# archive's, that the archive builds and installs the way the formula says,
# and that the installed tool passes the formula's own test.
#
#   ruby formule_homebrew.rb <formula.rb> <work folder>
require "digest"
require "fileutils"
require "open3"
require "pathname"

class Formula
  class << self
    attr_reader :champs, :essai

    %i[desc homepage url sha256 license].each do |champ|
      define_method(champ) { |valeur| (@champs ||= {})[champ] = valeur }
    end

    def depends_on(*); end

    def test(&bloc)
      @essai = bloc
    end

    def inherited(formule)
      super
      @formules = [*@formules, formule]
    end

    def derniere = @formules.last
  end

  attr_reader :prefix, :testpath

  def initialize(prefix, testpath)
    @prefix = Pathname(prefix)
    @testpath = Pathname(testpath)
  end

  def bin = prefix / "bin"

  # As Homebrew gives them to CMake.
  def std_cmake_args
    ["-DCMAKE_INSTALL_PREFIX=#{prefix}", "-DCMAKE_INSTALL_LIBDIR=lib", "-DCMAKE_BUILD_TYPE=Release",
     "-DCMAKE_VERBOSE_MAKEFILE=ON", "-Wno-dev", "-DBUILD_TESTING=OFF"]
  end

  def system(*commande)
    sortie, statut = Open3.capture2e(*commande)
    raise "#{commande.join(" ")}: #{statut}\n#{sortie}" unless statut.success?
  end

  def shell_output(commande, statut = 0)
    sortie = `#{commande}`
    raise "#{commande}: status #{$?.exitstatus}, expected #{statut}" unless $?.exitstatus == statut

    sortie
  end

  def assert_equal(attendu, obtenu)
    raise "expected [#{attendu}], got [#{obtenu}]" unless attendu == obtenu
  end
end

fichier, travail = ARGV.map { |chemin| File.expand_path(chemin) }
load fichier
classe = Formula.derniere
archive = File.join(File.dirname(fichier), File.basename(classe.champs.fetch(:url)))
empreinte = Digest::SHA256.file(archive).hexdigest
abort "#{fichier}: sha256 #{classe.champs[:sha256]}, the archive's is #{empreinte}" unless classe.champs[:sha256] == empreinte

FileUtils.rm_rf(travail)
%w[sources prefixe essai].each { |dossier| FileUtils.mkdir_p(File.join(travail, dossier)) }
Kernel.system("tar", "xzf", archive, "-C", File.join(travail, "sources"), exception: true)
sources = Dir[File.join(travail, "sources", "*")].first
formule = classe.new(File.join(travail, "prefixe"), File.join(travail, "essai"))
Dir.chdir(sources) { formule.install }
Dir.chdir(formule.testpath) { formule.instance_exec(&classe.essai) }
puts "ok: #{classe} (#{File.basename(archive)}) builds, installs and passes its test"
