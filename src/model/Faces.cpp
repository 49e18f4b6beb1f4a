#include "model/Faces.h"

#include "text/Cp932.h"

std::string Face::bytes() const {
    return sjis(name);
}
