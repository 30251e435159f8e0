#pragma once
// The fixed-pitch face of the report lists, so that their columns line up with the headers.
#include <QFont>
#include <QFontDatabase>

namespace kastlog::reports {
inline QFont listFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(9);
    return f;
}
}  // namespace kastlog::reports
