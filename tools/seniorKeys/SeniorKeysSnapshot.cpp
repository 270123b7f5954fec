// Renders the advanced-key parts offscreen into PNG files, in the Black and the Light theme: a
// DKS grid with a known record, the all-keys picker and one list row of each kind.

#include "app/DDataManager.h"
#include "tools/keyboard/OutputFolder.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"

#include <QApplication>
#include <QVBoxLayout>

#include <cstdio>

namespace {

SeniorKeyInfoStu sampleRecord(int type, const std::list<SeniorKeyInfoStu> &before)
{
    SeniorKeyInfoStu record = SeniorKeyRecord::newRecord(before, type);
    const char *const keys[4] = {"2,4", "225", "41", "5,7"};
    SeniorKeyRecord::writeField(record.key1, sizeof(record.key1), keys[0]);
    SeniorKeyRecord::writeField(record.key2, sizeof(record.key2), keys[1]);
    SeniorKeyRecord::writeField(record.key3, sizeof(record.key3), keys[2]);
    SeniorKeyRecord::writeField(record.key4, sizeof(record.key4), keys[3]);
    record.tglSet = 1;
    // One of each: two joined segments and a point; a bar that meets the next; single points;
    // a bar of its own after a bar.
    const int dks[16] = {2, 2, 0, 1, 1, 2, 3, 0, 1, 0, 1, 1, 2, 3, 0, 0};
    std::copy(std::begin(dks), std::end(dks), record.dks);
    return record;
}

// A host in the theme's background, as the editor gives its parts.
QWidget *themedHost(const ThemeColorInfo &theme)
{
    auto *host = new QWidget;
    host->setObjectName("host");
    host->setAttribute(Qt::WA_StyledBackground);
    host->setStyleSheet(QStringLiteral("QWidget#host{background-color: rgb(%1);} QLabel, QPushButton{color: rgb(%2);}")
                            .arg(theme.AllBgColor, theme.TextDefaultColor));
    return host;
}

bool save(QWidget *widget, const QDir &folder, const QString &name)
{
    widget->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = widget->grab().save(path);
    std::printf("%s%s\n", qPrintable(path), saved ? "" : " (not written)");
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDir folder;
    if (!outputFolderFromArguments(argc, argv, folder))
        return 2;
    bool ok = true;
    const struct
    {
        int index;
        const char *name;
    } themes[] = {{0, "Black"}, {1, "Light"}};
    for (const auto &theme : themes) {
        DDataManager::instance()->loadTheme(theme.index);
        const ThemeColorInfo colours = DDataManager::instance()->getThemeInfo();

        std::unique_ptr<QWidget> gridHost(themedHost(colours));
        gridHost->setFixedSize(460, 260);
        auto *grid = new DDksShowWidget(gridHost.get());
        grid->setGeometry(10, 10, 440, 240);
        grid->resizeGrid(440, 240);
        grid->setSeniorKeyInfo(sampleRecord(SENIOR_KEY_DKS, {}));
        ok = save(gridHost.get(), folder, QStringLiteral("dksGrid_%1.png").arg(theme.name)) && ok;

        std::unique_ptr<QWidget> pickerHost(themedHost(colours));
        auto *pickerLayout = new QVBoxLayout(pickerHost.get());
        auto *picker = new DAllKeysShowPage(pickerHost.get());
        pickerLayout->addWidget(picker);
        // The editor scrolls the picker; here it gets the height its groups need at its width.
        pickerHost->resize(432, 516);
        pickerHost->resize(432, qMax(516, pickerLayout->totalHeightForWidth(432)));
        ok = save(pickerHost.get(), folder, QStringLiteral("allKeys_%1.png").arg(theme.name)) && ok;

        std::unique_ptr<QWidget> rowsHost(themedHost(colours));
        auto *rowsLayout = new QVBoxLayout(rowsHost.get());
        std::list<SeniorKeyInfoStu> records;
        for (int type : {SENIOR_KEY_DKS, SENIOR_KEY_MT, SENIOR_KEY_TGL}) {
            records.push_back(sampleRecord(type, records));
            auto *row = new DSeniorKeyEventListItem(rowsHost.get());
            row->setKeyNameMap(picker->getKeyMap());
            row->setSeniorKeyInfo(records.back());
            row->setSelectedStyle(type == SENIOR_KEY_MT);
            rowsLayout->addWidget(row);
        }
        rowsHost->resize(413, 3 * 45 + 40);
        ok = save(rowsHost.get(), folder, QStringLiteral("rows_%1.png").arg(theme.name)) && ok;
    }
    return ok ? 0 : 1;
}
