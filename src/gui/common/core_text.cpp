#include "common/core_text.h"

#include <QCoreApplication>

namespace zem::gui {

QString Translated(const zem::Text& text) {
    if (!text.marked()) return QString::fromStdString(text.value());
    std::vector<std::string> values;
    values.reserve(text.args().size());
    for (const zem::Text& arg : text.args()) values.push_back(Translated(arg).toStdString());
    const QString pattern = QCoreApplication::translate(text.context(), text.source());
    return QString::fromStdString(zem::FillPlaces(pattern.toStdString(), values));
}

QString TranslatedEnglish(const std::string& english) {
    const QString source = QString::fromStdString(english);
    for (const char* context : zem::kTextContexts) {
        const QString translated = QCoreApplication::translate(context, english.c_str());
        if (translated != source) return translated;
    }
    return source;
}

QString CoreText(const char* context, const std::string& text) {
    return QCoreApplication::translate(context, text.c_str());
}

QStringList CoreTexts(const char* context, const std::vector<std::string>& texts) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) shown << CoreText(context, text);
    return shown;
}

}  // namespace zem::gui
