#include "workbench/csv_commands.h"

#include "channels/channel_codec.h"
#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "commands/user_dialogs.h"
#include "common/file_names.h"
#include "doc/kivu_doc.h"
#include "document/input_text.h"
#include "messenger.h"
#include "plan/exchange_formats.h"
#include "view/kivu_view.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


namespace zem::gui {

const char* const CsvCommands::kMsgCannotRead = QT_TRANSLATE_NOOP("zem::gui::CsvCommands", "Could not read %1");
const char* const CsvCommands::kMsgCannotWrite = QT_TRANSLATE_NOOP("zem::gui::CsvCommands", "Could not write %1");

namespace {

std::string Formatted(const char* pattern, const QString& path) {
    return CsvCommands::tr(pattern).arg(QDir::toNativeSeparators(path)).toStdString();
}

}  // namespace

CsvCommands::CsvCommands(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {
    setObjectName(QStringLiteral("csvCommands"));
}

bool CsvCommands::importCsv() {
    const QString path = host_.dialogs().openCsvFileName();
    return !path.isEmpty() && importFrom(path);
}

bool CsvCommands::exportCsv() {
    const QString documentPath = host_.document().pathName();
    const QString suggested = documentPath.isEmpty() ? QStringLiteral("channels.csv")
                                                     : QFileInfo(documentPath).completeBaseName() + QStringLiteral(".csv");
    QString format;
    const QString path = host_.dialogs().saveChannelListName(suggested, format);
    return !path.isEmpty() && exportTo(path, format);
}

bool CsvCommands::importFrom(const QString& path) {
    // A folder or a file far larger than any channel list is refused before it is parsed.
    if (const zem::FileResult checked = zem::CheckInputFile(FilePath(path), tr("a channel list").toStdString());
        !checked.ok) {
        host_.messenger().notice(checked.said());
        return false;
    }
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(zem::kMaxInputTextBytes + 1) : QByteArray();
    if (file.error() != QFileDevice::NoError || bytes.size() > static_cast<qsizetype>(zem::kMaxInputTextBytes)) {
        host_.messenger().notice(Formatted(kMsgCannotRead, path));
        return false;
    }
    const std::string text = bytes.toStdString();
    CChannelPage& page = host_.view().channelPage();
    page.commitOpenEditor();

    // The rows go into a copy of what the page shows; the page and the
    // document change only when every row was accepted or the user took the
    // rows that fit. The header row tells the formats apart.
    const zem::ImportTexts texts = {tr(zem::kMsgImportRefused).toStdString(), tr(zem::kMsgSkipRefused).toStdString(),
                                    tr(zem::kMsgNotStored).toStdString()};
    return zem::ImportChannelList(
        text, page.values(), host_.document().image(), host_.messenger(), texts,
        [this, &page](const zem::ExchangeFormat& format, const zem::ChannelPageValues& values) {
            CKivuDoc& doc = host_.document();
            CKivuDoc::ChangeScope step(doc, tr(format.undoStep));
            // The page being left is stored first, so its edits stay.
            host_.view().returnToChannelTab();
            zem::StoreToImage(values, doc.image());
            page.FillFromImage();
        });
}

bool CsvCommands::exportTo(const QString& path, const QString& format) {
    CChannelPage& page = host_.view().channelPage();
    page.commitOpenEditor();
    const zem::ExchangeFormat* chosen = zem::FindExchangeFormat(format.toStdString());
    if (!chosen) chosen = &zem::ExchangeFormats().front();
    const std::string text = chosen->exportText(host_.document().image(), page.values());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !file.commit()) {
        host_.messenger().notice(Formatted(kMsgCannotWrite, path));
        return false;
    }
    return true;
}

}  // namespace zem::gui
