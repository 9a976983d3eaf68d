#include "common/languages.h"

#include "common/user_settings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

// The translations live in the static library zemgui, whose resources must
// be registered by name.
static void InitTranslationResources() { Q_INIT_RESOURCE(zemprog_translations); }

namespace zem::gui {

namespace {

const QString kSettingsKey = QStringLiteral("language");

// Qt's own catalogue. Qt 6 asks for the file types its file dialog lists
// ("Folder", "Drive" ...) in the context QAbstractFileIconProvider, which
// the catalogues of most languages lack; they have the same words under
// QFileDialog, where Qt asked for them before, so those are taken.
class QtCatalogue : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
            text = QTranslator::translate("QFileDialog", source, disambiguation, n);
        return text;
    }
};

QString& Current() {
    static QString code = QStringLiteral("en");
    return code;
}

}  // namespace

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = {
        {"en", "English"},
        {"zh_CN", "中文（简体）"},
        {"zh_TW", "中文（繁體）"},
        {"es", "Español"},
        {"pt_BR", "Português (Brasil)"},
        {"ru", "Русский"},
        {"uk", "Українська"},
        {"de", "Deutsch"},
        {"fr", "Français"},
        {"it", "Italiano"},
        {"ja", "日本語"},
        {"pl", "Polski"},
        {"ar", "العربية"},
    };
    return languages;
}

QString MatchLanguage(const QStringList& uiLanguages) {
    for (QString tag : uiLanguages) {
        const QStringList parts = tag.replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
        const QString language = parts.first().toLower();
        // Chinese: traditional characters by their script or by the places
        // that write them, simplified otherwise.
        if (language == QLatin1String("zh")) {
            const bool traditional = parts.contains(QLatin1String("Hant"), Qt::CaseInsensitive) ||
                                     parts.contains(QLatin1String("TW"), Qt::CaseInsensitive) ||
                                     parts.contains(QLatin1String("HK"), Qt::CaseInsensitive) ||
                                     parts.contains(QLatin1String("MO"), Qt::CaseInsensitive);
            return QLatin1String(traditional ? "zh_TW" : "zh_CN");
        }
        // Otherwise by the language alone: one variant of each is spoken.
        for (const Language& known : Languages()) {
            const QString code = QLatin1String(known.code);
            if (code.section(QLatin1Char('_'), 0, 0) == language) return code;
        }
    }
    return QStringLiteral("en");
}

QString ChosenLanguage() {
    const QString code = UserSettings().value(kSettingsKey).toString();
    for (const Language& known : Languages())
        if (code == QLatin1String(known.code)) return code;
    return QString();
}

void SetChosenLanguage(const QString& code) {
    QSettings settings = UserSettings();
    if (code.isEmpty())
        settings.remove(kSettingsKey);
    else
        settings.setValue(kSettingsKey, code);
}

QString StartLanguage(const QStringList& systemLanguages) {
    const QString chosen = ChosenLanguage();
    return chosen.isEmpty() ? MatchLanguage(systemLanguages) : chosen;
}

void UseLanguage(const QString& code, const QString& dir) {
    InitTranslationResources();
    // The translators belong to the application and end with it.
    static QPointer<QTranslator> program;
    static QPointer<QTranslator> qt;
    delete program;
    delete qt;
    Current() = code;
    const bool english = code == QLatin1String("en");
    QGuiApplication::setLayoutDirection(english ? Qt::LeftToRight : QLocale(code).textDirection());
    if (english) return;
    QCoreApplication* app = QCoreApplication::instance();
    program = new QTranslator(app);
    if (program->load(QStringLiteral("zemprog_") + code, dir)) QCoreApplication::installTranslator(program);
    qt = new QtCatalogue(app);
    if (qt->load(QStringLiteral("qtbase_") + code, dir)) QCoreApplication::installTranslator(qt);
}

QString CurrentLanguage() { return Current(); }

}  // namespace zem::gui
