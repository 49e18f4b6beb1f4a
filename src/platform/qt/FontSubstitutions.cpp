#include "platform/qt/FontSubstitutions.h"

#include <QFont>

#include "model/Faces.h"

// Qt keeps each substitute once, so calling this again changes nothing.
void registerFontSubstitutions() {
    for (const Face& face : faces::All)
        QFont::insertSubstitution(QString::fromUtf8(face.name), QString::fromUtf8(face.installed));
}
