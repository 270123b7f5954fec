// Writes the key layout file of every catalogue model into a folder (resources/images/configDir), so the
// files follow the catalogue. Run by hand when the catalogue changes; its output is committed.

#include "sdk/protocol/ModelCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Unit = 32;   // one key pitch in pixels
constexpr int CapGap = 2;  // space between neighbouring caps
constexpr int Margin = 12; // picture border around the keys
constexpr int FunctionGap = 8;
constexpr int Columns = 22;
constexpr int Spacer = -1000; // advances the pen without an entry

struct Key
{
    double width; // in units
    int code;
    const char *caption;
    double height = 1;
};

using Row = std::vector<Key>;

Key space(double width)
{
    return {width, Spacer, ""};
}

Row functionRow(bool withPause, bool withDelete)
{
    Row row = {{1, 41, "Esc"}, space(1)};
    const char *names[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i) {
        row.push_back({1, 58 + i, names[i]});
        if (i == 3 || i == 7)
            row.push_back(space(0.5));
    }
    row.push_back(space(0.25));
    row.push_back({1, 70, "PrtSc"});
    if (withPause) {
        row.push_back({1, 71, "ScrLk"});
        row.push_back({1, 72, "Pause"});
    }
    if (withDelete)
        row.push_back({1, 76, "Del"});
    return row;
}

Row numberRow(bool withEsc)
{
    Row row = {withEsc ? Key{1, 41, "Esc"} : Key{1, 53, "`"}};
    const char *digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    for (int i = 0; i < 10; ++i)
        row.push_back({1, i < 9 ? 30 + i : 39, digits[i]});
    row.push_back({1, 45, "-"});
    row.push_back({1, 46, "="});
    row.push_back({2, 42, "Backspace"});
    return row;
}

void appendLetters(Row &row, const char *letters)
{
    static const int codes[26] = {4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                  17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
    static const char *names[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (const char *c = letters; *c; ++c)
        row.push_back({1, codes[*c - 'A'], names[*c - 'A']});
}

Row tabRow(bool iso)
{
    Row row = {{1.5, 43, "Tab"}};
    appendLetters(row, "QWERTYUIOP");
    row.push_back({1, 47, "["});
    row.push_back({1, 48, "]"});
    if (iso)
        row.push_back({1.5, 40, "Enter", 2});
    else
        row.push_back({1.5, 49, "|"});
    return row;
}

Row capsRow(bool iso)
{
    Row row = {{1.75, 57, "Caps"}};
    appendLetters(row, "ASDFGHJKL");
    row.push_back({1, 51, ";"});
    row.push_back({1, 52, "'"});
    if (iso) {
        row.push_back({1, 50, "#"});
        row.push_back(space(1.25)); // the lower part of the L-shaped Enter above
    } else {
        row.push_back({2.25, 40, "Enter"});
    }
    return row;
}

Row shiftRow(bool iso, double rightShift)
{
    Row row;
    if (iso) {
        row.push_back({1.25, 225, "Shift"});
        row.push_back({1, 100, "|"});
    } else {
        row.push_back({2.25, 225, "Shift"});
    }
    appendLetters(row, "ZXCVBNM");
    row.push_back({1, 54, ","});
    row.push_back({1, 55, "."});
    row.push_back({1, 56, "/"});
    row.push_back({rightShift, 229, "Shift"});
    return row;
}

Row bottomRow(double spaceWidth, bool withMenu)
{
    Row row = {{1.25, 224, "Ctrl"},       {1.25, 227, "Win"}, {1.25, 226, "Alt"},
               {spaceWidth, 44, "Space"}, {1, 230, "Alt"},    {1, -10, "Fn"}};
    if (withMenu)
        row.push_back({1, 101, "Menu"});
    row.push_back({1, 228, "Ctrl"});
    return row;
}

void append(Row &row, const Row &more)
{
    row.insert(row.end(), more.begin(), more.end());
}

// Rows 1 to 6; an empty row 1 means the model has no function-key row.
std::vector<Row> fullSize()
{
    Row f = functionRow(true, false);
    f.insert(f.end() - 3, space(0.25));
    std::vector<Row> rows = {
        f, numberRow(false), tabRow(false), capsRow(false), shiftRow(false, 2.75), bottomRow(6.25, true)};
    append(rows[1], {space(0.25),
                     {1, 73, "Ins"},
                     {1, 74, "Home"},
                     {1, 75, "PgUp"},
                     space(0.25),
                     {1, 83, "Num"},
                     {1, 84, "/"},
                     {1, 85, "*"},
                     {1, 86, "-"}});
    append(rows[2], {space(0.25),
                     {1, 76, "Del"},
                     {1, 77, "End"},
                     {1, 78, "PgDn"},
                     space(0.25),
                     {1, 95, "7"},
                     {1, 96, "8"},
                     {1, 97, "9"},
                     {1, 87, "+", 2}});
    append(rows[3], {space(3.5), {1, 92, "4"}, {1, 93, "5"}, {1, 94, "6"}});
    append(rows[4],
           {space(1.25), {1, 82, "Up"}, space(1.25), {1, 89, "1"}, {1, 90, "2"}, {1, 91, "3"}, {1, 88, "Enter", 2}});
    append(rows[5],
           {space(0.25), {1, 80, "Left"}, {1, 81, "Down"}, {1, 79, "Right"}, space(0.25), {2, 98, "0"}, {1, 99, "."}});
    return rows;
}

std::vector<Row> seventyFive(bool iso)
{
    std::vector<Row> rows = {functionRow(false, true), numberRow(false),      tabRow(iso), capsRow(iso),
                             shiftRow(iso, 1.75),      bottomRow(6.25, false)};
    rows[0].insert(rows[0].end() - 2, space(0.25));
    append(rows[1], {space(0.25), {1, 74, "Home"}});
    append(rows[2], {space(0.25), {1, 75, "PgUp"}});
    append(rows[3], {space(0.25), {1, 78, "PgDn"}});
    append(rows[4], {{1, 82, "Up"}, {1, 77, "End"}});
    rows[5].pop_back(); // right Ctrl makes way for the arrows
    append(rows[5], {{1, 228, "Ctrl"}, space(0.0), {1, 80, "Left"}, {1, 81, "Down"}, {1, 79, "Right"}});
    return rows;
}

std::vector<Row> sixtyFive()
{
    std::vector<Row> rows = {
        {}, numberRow(true), tabRow(false), capsRow(false), shiftRow(false, 1.75), bottomRow(6.25, false)};
    append(rows[1], {{1, 53, "`"}});
    append(rows[2], {{1, 76, "Del"}});
    append(rows[3], {{1, 75, "PgUp"}});
    append(rows[4], {{1, 82, "Up"}, {1, 78, "PgDn"}});
    rows[5].pop_back();
    append(rows[5], {{1, 228, "Ctrl"}, space(0.0), {1, 80, "Left"}, {1, 81, "Down"}, {1, 79, "Right"}});
    return rows;
}

QString jsonText(const char *text)
{
    QString out;
    for (const char *c = text; *c; ++c) {
        if (*c == '"' || *c == '\\')
            out += QLatin1Char('\\');
        out += QLatin1Char(*c);
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString entry(int x, int y, int w, int h, int code, const char *caption)
{
    // Leading zeros as the shipped files write them.
    return QString::asprintf("{\"PosX\": %03d, \"PosY\": %03d, \"Width\": %02d, \"Height\": %02d, \"Dec\": %d, "
                             "\"qtDec\": 0, \"Character\": ",
                             x, y, w, h, code)
           + jsonText(caption) + QLatin1Char('}');
}

QString gapEntry()
{
    return QStringLiteral("{\"PosX\": -1, \"PosY\": -1, \"Width\": 00, \"Height\": 00, \"Dec\": 0, "
                          "\"qtDec\": 0, \"Character\": \"-\"}");
}

QString ledEntry(int index, int x, int y, int w, int h, int valid, int side)
{
    return QString::asprintf("{\"PosX\": %d, \"PosY\": %d, \"Width\": %02d, \"Height\": %02d, \"Index\": %d, "
                             "\"validStatus\": %d, \"SidePosition\": %d, \"Mark\": \"0x%02d\"}",
                             x, y, w, h, index, valid, side, index);
}

struct Written
{
    QString text;
    int width = 0;
    int height = 0;
    int keys = 0;
};

Written writeLayout(const ModelInfo &model, const std::vector<Row> &rows)
{
    Written out;
    QStringList members;
    const ModelViewLook look = ModelCatalog::viewLook(model.name);
    members << QString::asprintf("\"Keyboard\": {\"KeyboardIntroduction\": \"%d keys\", \"sideLightHave\": %d, "
                                 "\"supportOnboard\": 1, \"specialEnterKey\": %d, \"showOnboardSelect\": 0, "
                                 "\"specialEnterKeyShape\": %d, \"hidDeviceType\": %d, \"flag\": \"true\"}",
                                 model.keyCount, model.hasSideLight ? 1 : 0, look.specialEnterKey ? 1 : 0,
                                 look.specialEnterKey ? 1 : 0, look.hidDeviceType);

    const bool hasFunctionRow = !rows[0].empty();
    int right = 0, bottom = 0;
    QStringList rowTexts;
    for (int r = 0; r < 6; ++r) {
        int y = 0;
        if (hasFunctionRow)
            y = r == 0 ? 0 : Unit * r + FunctionGap;
        else
            y = Unit * (r - 1);
        QStringList entries;
        double pen = 0;
        for (const Key &key : rows[r]) {
            const int x = Margin + int(std::lround(pen * Unit));
            pen += key.width;
            if (key.code == Spacer)
                continue;
            const int w = int(std::lround(key.width * Unit)) - CapGap;
            const int h = int(std::lround(key.height * Unit)) - CapGap;
            entries << entry(x, Margin + y, w, h, key.code, key.caption);
            right = std::max(right, x + w);
            bottom = std::max(bottom, Margin + y + h);
            ++out.keys;
        }
        if (entries.size() > Columns)
            qFatal("%s: row %d holds %lld keys", model.name.c_str(), r + 1, qlonglong(entries.size()));
        while (entries.size() < Columns)
            entries << gapEntry();
        rowTexts << QStringLiteral("\"EveryKeyInfo_Row0%1\": [\n  ").arg(r + 1) + entries.join(QStringLiteral(",\n  "))
                        + QStringLiteral("\n]");
    }
    out.width = right + Margin;
    out.height = bottom + Margin;

    if (model.hasSideLight) {
        // Three bars on each side edge, then two placeholders the firmware counts but never lights.
        QStringList leds;
        const int bar = (out.height - 2 * Margin) / 3;
        int index = 1;
        for (int i = 0; i < 3; ++i)
            leds << ledEntry(index++, 0, Margin + i * bar, 6, bar - 4, 1, 1);
        for (int i = 0; i < 3; ++i)
            leds << ledEntry(index++, out.width - 6, Margin + i * bar, 6, bar - 4, 1, 2);
        for (int i = 0; i < 2; ++i)
            leds << ledEntry(index++, -10, -10, 10, 10, 0, 0);
        members << QStringLiteral("\"EveryKeyInfo_Row00\": [\n  ") + leds.join(QStringLiteral(",\n  "))
                       + QStringLiteral("\n]");
    }
    members << rowTexts;
    out.text = QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n");
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    int status = 0;
    for (const ModelInfo &model : ModelCatalog::models()) {
        std::vector<Row> rows;
        if (model.keyCount == 104)
            rows = fullSize();
        else if (model.keyCount == 84)
            rows = seventyFive(ModelCatalog::viewLook(model.name).specialEnterKey);
        else if (model.keyCount == 68)
            rows = sixtyFive();
        else {
            std::fprintf(stderr, "%s: no layout for %d keys\n", model.name.c_str(), model.keyCount);
            status = 1;
            continue;
        }
        const Written written = writeLayout(model, rows);
        const QString name =
            QStringLiteral("KeyInfo_") + QString::fromStdString(model.name) + QStringLiteral(".config");
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(written.text.toUtf8()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            status = 1;
            continue;
        }
        std::printf("%s: %d keys, picture %d x %d%s\n", model.name.c_str(), written.keys, written.width, written.height,
                    written.keys == model.keyCount ? "" : " (key count differs from the catalogue)");
        const ModelViewLook look = ModelCatalog::viewLook(model.name);
        if (written.width != look.pictureWidth || written.height != look.pictureHeight)
            std::printf("  catalogue picture size %d x %d must be updated\n", look.pictureWidth, look.pictureHeight);
    }
    return status;
}
