#include "Catalogue.h"

#include "families/Families.h"

namespace cable {

const TCableFamily* FindFamily(int code) {
    static const TCableFamily akmb = families::BuildAkmb();
    switch (code) {
    case 3:
        return &akmb;
    default:
        return nullptr;
    }
}

} // namespace cable
