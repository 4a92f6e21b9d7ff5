#include "Catalogue.h"

#include "families/Families.h"

namespace cable {

const TCableFamily* FindFamily(int code) {
    static const TCableFamily aksa = families::BuildAksa();
    static const TCableFamily aksb = families::BuildAksb();
    static const TCableFamily akma = families::BuildAkma();
    static const TCableFamily akmb = families::BuildAkmb();
    static const TCableFamily bkma = families::BuildBkma();
    static const TCableFamily bkmb = families::BuildBkmb();
    switch (code) {
    case 0:
        return &aksa;
    case 1:
        return &aksb;
    case 2:
        return &akma;
    case 3:
        return &akmb;
    case 4:
        return &bkma;
    case 5:
        return &bkmb;
    default:
        return nullptr;
    }
}

} // namespace cable
