#include "app/FontSetup.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace tintlace {

void installFontSubstitutions() {
    struct Substitution {
        const char* face; // UTF-8
        QStringList installed;
    };
    // Each face lists the Debian fonts in order of preference (fonts-ipafont-gothic,
    // fonts-ipafont-mincho, fonts-dejavu-core, fonts-urw-base35), then fontconfig's generic name.
    const Substitution substitutions[] = {
        {"ＭＳ Ｐゴシック", {"IPAPGothic", "IPA Pゴシック", "Sans Serif"}},
        {"ＭＳ Ｐ明朝", {"IPAPMincho", "IPA P明朝", "Serif"}},
        {"MS Serif", {"DejaVu Serif", "Nimbus Roman", "Serif"}},
        {"MS Sans Serif", {"DejaVu Sans", "Nimbus Sans", "Sans Serif"}},
        {"Lucida Handwriting", {"Z003", "URW Chancery L", "Cursive"}},
    };
    for (const Substitution& s : substitutions) {
        const QString face = QString::fromUtf8(s.face);
        QFont::removeSubstitutions(face);
        QFont::insertSubstitutions(face, s.installed);
    }
}

} // namespace tintlace
