#pragma once
// The last few vapour states a fluid computed: the superheat correction asks for the
// enthalpies of three vapour states, then for their volumes, so each is solved once.
#include <array>
#include <cstddef>

namespace reflib {

class UltimiVapori {
public:
    // True, with h and v, when (T, p) is one of the remembered states.
    bool trova(double T, double p, double& h, double& v) const {
        for (const Stato& s : m_stati)
            if (T == s.T && p == s.p) {
                h = s.h;
                v = s.v;
                return true;
            }
        return false;
    }
    // Remembers a state in place of the oldest one.
    void ricorda(double T, double p, double h, double v) {
        m_stati[m_prossimo] = {T, p, h, v};
        m_prossimo = (m_prossimo + 1) % m_stati.size();
    }
    void dimentica() { *this = UltimiVapori{}; }

private:
    struct Stato {
        double T = -1, p = -1, h = 0, v = 0;
    };
    std::array<Stato, 4> m_stati{};
    std::size_t m_prossimo = 0;
};

} // namespace reflib
