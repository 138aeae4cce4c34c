#ifndef INFO_RLE_TAMPON_MORCELE_HPP
#define INFO_RLE_TAMPON_MORCELE_HPP

// A stream buffer over bytes in memory that behaves like an awkward file:
// it hands the bytes out in chunks of chosen sizes (as a pipe does), fails
// with std::ios_base::failure when asked for the byte at a chosen offset (as a file
// stream does when the system fails a read), and announces whatever size it
// is told to, right or wrong.

#include <algorithm>
#include <cstddef>
#include <ios>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace essai {

class tampon_morcele : public std::streambuf {
public:
    static constexpr std::size_t jamais = static_cast<std::size_t>(-1);

    explicit tampon_morcele(std::string octets, std::vector<std::size_t> morceaux = {}, std::size_t echec_a = jamais,
                            std::streamsize annonce = 0)
        : octets_(std::move(octets)), morceaux_(std::move(morceaux)), echec_a_(echec_a), annonce_(annonce)
    {
    }

protected:
    int_type underflow() override
    {
        if (gptr() != egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        if (position_ >= octets_.size()) {
            return traits_type::eof();
        }
        if (position_ >= echec_a_) {
            throw std::ios_base::failure("read error (simulated)");
        }
        std::size_t taille =
            morceaux_.empty() ? octets_.size() : std::max<std::size_t>(1, morceaux_[suivant_++ % morceaux_.size()]);
        taille = std::min({taille, octets_.size() - position_, echec_a_ - position_});
        char* debut = octets_.data() + position_;
        setg(debut, debut, debut + taille);
        position_ += taille;
        return traits_type::to_int_type(*debut);
    }

    std::streamsize showmanyc() override { return annonce_; }

private:
    std::string octets_;
    std::vector<std::size_t> morceaux_;
    std::size_t echec_a_;
    std::streamsize annonce_;
    std::size_t position_ = 0;
    std::size_t suivant_ = 0;
};

}  // namespace essai

#endif
