#include "toolkit/FontSetup.h"

#include <QFont>
#include <QStringList>

namespace tovra::toolkit {

void setUpFonts() {
    const QStringList substitutes{QString::fromUtf8(kSongSubstitute)};
    QFont::insertSubstitutions(QString::fromUtf8(kSongFamily), substitutes);
    QFont::insertSubstitutions(QString::fromUtf8(kSongFamilyLatin), substitutes);
}

QFont songFont(int pixelSize, bool bold) {
    QFont font(QString::fromUtf8(kSongFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace tovra::toolkit
