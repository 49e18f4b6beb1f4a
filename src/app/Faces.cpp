#include "app/Faces.h"

#include "platform/Cp932.h"

std::string Face::bytes() const {
    return sjis(name);
}
