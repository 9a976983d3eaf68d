#include "plan/exchange_formats.h"

#include "channels/channel_codec.h"
#include "channels/channel_csv.h"
#include "channels/memory_list.h"
#include "document/input_text.h"
#include "plan/plan_text.h"
#include "translate.h"

#include <algorithm>

namespace zem {

const char* const kChoiceInWindow = "window";
const char* const kSkipRefused = "--skip-refused";

const char* const kMsgImportRefused = ZEM_TRANSLATE_NOOP(
    "zem::gui::CsvCommands", "The channel list was not imported; nothing has changed. These values were refused:");
const char* const kMsgSkipRefused = ZEM_TRANSLATE_NOOP(
    "zem::gui::CsvCommands",
    "These values were refused. Import the other rows of the channel list and leave these rows out?");
const char* const kMsgNotStored =
    ZEM_TRANSLATE_NOOP("zem::gui::CsvCommands", "The channel list was imported. This radio does not store:");

namespace {

const char* const kCsvUsage =
    "Usage: zemtool csv export FILE.zem [-o OUT.csv]\n"
    "       zemtool csv import FILE.zem IN.csv -o OUT.zem [--band 0-4] [--skip-refused]\n"
    "\n"
    "export  writes the channel table as CSV (to standard output without -o).\n"
    "import  types each CSV row into the channel table of FILE.zem, checking every\n"
    "        value as the channel page does, and writes the result to OUT.zem.\n"
    "        Rows are matched by their \"Ch\" value (1-16), columns by header\n"
    "        (\"Ch\", \"Receive\", \"Transmit\", \"QT/DQT DEC\", \"QT/DQT ENC\", \"Scan\",\n"
    "        \"Power\", \"W/N\", \"Busy\", \"PTT\"); a missing column leaves those cells\n"
    "        as they are. Every refused value is listed and then nothing is written.\n"
    "        Semicolons or tabs between the fields and decimal commas are taken.\n"
    "        IN.csv may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n"
    "  --band N           check frequencies against band N and store it (0-3 the\n"
    "                     four bands, 4 Other....); default: the file's band\n"
    "  --skip-refused     write the rows the radio can hold and list the others\n"
    "                     with their line and reason, instead of writing nothing\n";

const char* const kPlanUsage =
    "Usage: zemtool plan export FILE.zem [-o OUT.yaml]\n"
    "       zemtool plan import IN.yaml -o OUT.zem\n"
    "\n"
    "export  writes the whole plan as YAML text (to standard output without -o):\n"
    "        type, band, the 16 channels, options, keys and power with the names\n"
    "        and texts of 'show --json', then the bytes no page shows, in hex.\n"
    "import  builds the program file from such a text. Values changed in the text\n"
    "        are typed as on the pages, through the same checks; an error names\n"
    "        its line, column and key, and then nothing is written.\n"
    "        IN.yaml may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n";

const char* const kMemoriesUsage =
    "Usage: zemtool memories export FILE.zem [-o OUT.csv]\n"
    "       zemtool memories import FILE.zem IN.csv -o OUT.zem [--from LOCATION] [--clear]\n"
    "                                [--band 0-4] [--skip-refused]\n"
    "\n"
    "The memory-list CSV that other programming tools exchange (Location, Name,\n"
    "Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,\n"
    "RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment).\n"
    "\n"
    "export  one row per channel with a frequency (to standard output without -o).\n"
    "import  types the first 16 rows in Location order (from --from on) into\n"
    "        channels 1-16, checking every value as the channel page does, and\n"
    "        writes the result to OUT.zem. Location n goes to channel n (n + 1 for\n"
    "        a list counted from 0; n - LOCATION + 1 with --from), gaps kept, when\n"
    "        all of them fit; otherwise the rows fill the channels in order.\n"
    "        A value the radio cannot hold is listed with its line, Location and\n"
    "        column, and then nothing is written; so is a list with no row to\n"
    "        take. Names, columns the radio has no place for and rows past the\n"
    "        sixteen are named as not stored. Channels without a row keep what\n"
    "        they had, unless --clear is given. Semicolons or tabs between the\n"
    "        fields and decimal commas are taken. IN.csv may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n"
    "  --from LOCATION    the first Location to take\n"
    "  --clear            empty the channels that get no row\n"
    "  --band N           check frequencies against band N and store it (0-3 the\n"
    "                     four bands, 4 Other....); default: the file's band\n"
    "  --skip-refused     write the rows the radio can hold and list the others\n"
    "                     with their line and reason, instead of writing nothing\n";

std::string Available() { return {}; }

std::string ExportCsv(const RadioImage&, const ChannelPageValues& channels)
{
    return ExportChannelsCsv(channels.cells);
}

// How an out-of-band frequency's refusal ends: where to choose another band
// (zemtool's option is no text to translate).
Text BandRemedy(const ImportChoices& choices)
{
    return choices.count(kChoiceInWindow)
               ? Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", " — choose the band on the Channel Setting page"))
               : Text(std::string(" — try --band"));
}

void ChooseBand(const ImportChoices& choices, ChannelPageValues& channels)
{
    if (const auto band = choices.find("--band"); band != choices.end())
        channels.bandIndex = band->second;
}

ExchangeImport ImportCsv(const std::string& text, ChannelPageValues& channels, RadioImage& image,
                         const ImportChoices& choices)
{
    ChooseBand(choices, channels);
    const CsvImport csv = ImportChannelsCsv(text, channels, choices.count(kSkipRefused) != 0);
    const Text remedy = BandRemedy(choices);
    ExchangeImport result;
    for (const auto& column : csv.ignoredColumns)
        result.ignored.push_back(Text(kTextChannels,
                                      ZEM_TRANSLATE_NOOP("zem::Channels", "column \"%1\" is not a channel table column; ignored"),
                                      {ShownValue(column)}));
    for (const auto& rejection : csv.rejections)
        result.refusals.push_back(rejection.said(remedy));
    for (const auto& rejection : csv.skipped)
        result.skipped.push_back(rejection.said(remedy));
    if (result.ok())
        StoreToImage(channels, image);
    return result;
}

std::string PlanUnavailable()
{
    return PlanTextReadable() ? std::string() : ImportPlanText({}).errors.front().message.english();
}

std::string ExportPlan(const RadioImage& image, const ChannelPageValues&) { return ExportPlanText(image); }

ExchangeImport ImportPlan(const std::string& text, ChannelPageValues& channels, RadioImage& image,
                          const ImportChoices&)
{
    const PlanTextImport plan = ImportPlanText(text);
    ExchangeImport result;
    for (const auto& error : plan.errors) result.refusals.push_back(error.said());
    result.notStored.assign(plan.notes.begin(), plan.notes.end());
    image = plan.image;
    FillFromImage(image, channels);
    return result;
}

std::string ExportMemories(const RadioImage&, const ChannelPageValues& channels)
{
    return ExportMemoryList(channels.cells, channels.bandIndex);
}

ExchangeImport ImportMemories(const std::string& text, ChannelPageValues& channels, RadioImage& image,
                              const ImportChoices& choices)
{
    MemoryImportOptions options;
    options.clear = choices.count("--clear") != 0;
    options.skipRefused = choices.count(kSkipRefused) != 0;
    if (const auto from = choices.find("--from"); from != choices.end())
        options.from = from->second;
    ChooseBand(choices, channels);
    const MemoryImport memories = ImportMemoryList(text, channels, options);
    const Text remedy = BandRemedy(choices);
    ExchangeImport result;
    for (const auto& refusal : memories.refusals)
        result.refusals.push_back(refusal.said(remedy));
    for (const auto& refusal : memories.skipped)
        result.skipped.push_back(refusal.said(remedy));
    result.notStored = memories.notStored;
    if (result.ok())
        StoreToImage(channels, image);
    return result;
}

const ImportOption kBandOption = {"--band", true, 0, 4, "--band must be a number from 0 to 4"};

}  // namespace

const std::vector<ExchangeFormat>& ExchangeFormats()
{
    static const std::vector<ExchangeFormat> formats = {
        {"csv", "export or import the channel table as CSV", kCsvUsage, false,
         {kBandOption, {kSkipRefused}}, "value(s) refused",
         ZEM_TRANSLATE_NOOP("zem::gui::QtUserDialogs", "Channel list of this program (*.csv)"), "csv",
         ZEM_TRANSLATE_NOOP("zem::gui::CsvCommands", "Import CSV"), nullptr, Available, ExportCsv, ImportCsv},
        {"plan", "export or import the whole plan as YAML text", kPlanUsage, true, {}, "error(s)", nullptr, "yaml",
         nullptr, nullptr, PlanUnavailable, ExportPlan, ImportPlan},
        {"memories", "export or import the memory-list CSV of other programming tools", kMemoriesUsage, false,
         {{"--from", true, 0, 1'000'000, "--from must be a Location number"}, {"--clear"}, kBandOption, {kSkipRefused}},
         "value(s) refused",
         ZEM_TRANSLATE_NOOP("zem::gui::QtUserDialogs", "Memory list of other programming tools (*.csv)"), "csv",
         ZEM_TRANSLATE_NOOP("zem::gui::CsvCommands", "Import memory list"), IsMemoryListHeader,
         Available, ExportMemories, ImportMemories},
    };
    return formats;
}

const ExchangeFormat* FindExchangeFormat(const std::string& name)
{
    for (const ExchangeFormat& format : ExchangeFormats()) {
        if (name == format.name)
            return &format;
    }
    return nullptr;
}

const ExchangeFormat& FormatOfText(const std::string& text)
{
    const ExchangeFormat* fallback = &ExchangeFormats().front();
    for (const ExchangeFormat& format : ExchangeFormats()) {
        if (!format.filter)
            continue;
        if (!format.recognises)
            fallback = &format;
        else if (format.recognises(text))
            return format;
    }
    return *fallback;
}

ChannelListImport ImportChannelList(const ExchangeFormat& format, const std::string& text, ChannelPageValues& channels,
                                    RadioImage& image, ImportChoices choices, RefusedRows refused,
                                    const std::function<bool(const std::vector<Text>&)>& ask)
{
    // Every pass works on copies: a refused import leaves both as they were.
    choices.erase(kSkipRefused);
    ChannelListImport out;
    ChannelPageValues values = channels;
    RadioImage scratch = image;
    out.result = format.importText(text, values, scratch, choices);
    const bool canSkip = std::any_of(format.options.begin(), format.options.end(),
                                     [](const ImportOption& option) { return std::string(option.name) == kSkipRefused; });
    if (!out.result.ok()) {
        if (refused == RefusedRows::Refuse || !canSkip)
            return out;
        choices[kSkipRefused] = 1;
        values = channels;
        scratch = image;
        ExchangeImport taken = format.importText(text, values, scratch, choices);
        if (!taken.ok())
            return out;  // no row fits: the refusals of the whole text stand
        if (refused == RefusedRows::Ask && !(ask && ask(taken.skipped)))
            return out;
        out.result = std::move(taken);
    }
    if (!format.wholePlan) {
        // The image is what the pages are filled from after an import, and
        // a save stores the pages as they were filled.
        FillFromImage(scratch, values);
        StoreToImage(values, scratch);
    }
    channels = values;
    image = scratch;
    out.taken = true;
    return out;
}

bool ImportChannelList(const std::string& text, ChannelPageValues shown, RadioImage image, Messenger& messenger,
                       const ImportTexts& texts,
                       const std::function<void(const ExchangeFormat&, const ChannelPageValues&)>& take)
{
    const ExchangeFormat& format = FormatOfText(text);
    bool asked = false;
    const ChannelListImport imported =
        ImportChannelList(format, text, shown, image, {{kChoiceInWindow, 1}}, RefusedRows::Ask,
                          [&](const std::vector<Text>& skipped) {
                              asked = true;
                              return messenger.confirmList(texts.skipRefused, skipped);
                          });
    if (!imported.taken) {
        // Declining the rows that fit says nothing more.
        if (!asked)
            messenger.noticeList(texts.refused, imported.result.refusals);
        return false;
    }
    take(format, shown);
    if (!imported.result.notStored.empty())
        messenger.noticeList(texts.notStored, imported.result.notStored);
    return true;
}

}  // namespace zem
