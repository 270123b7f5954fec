// The macro editor's export of one macro to a file and its import of one.
#include "ui/macro/DMacroPage.h"

#include "sdk/store/VorlanXml.h"
#include "ui/macro/MacroRecords.h"
#include "ui/macro/MacroTransferFile.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

} // namespace

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString folder = m_dialogs->existingDirectory(this, QObject::tr("Save directory"), m_desktopDir);
    if (folder.isEmpty()) {
        showNotice(QObject::tr("Please select save directory first"));
        return;
    }
    std::list<MacroEvent> events;
    CVorlanXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, strMacroIndex.toLatin1().constData(), &events);
    const QString path = MacroTransferFile::exportPath(folder, strMacroName);
    QString error;
    if (!MacroTransferFile::write(path, strMacroIndex, strMacroName, events, &error)) {
        qDebug().noquote() << "Error: cannot open file" << path << error;
        return;
    }
    showNotice(QObject::tr("Export macro successful"));
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString path =
        m_dialogs->openFileName(this, QObject::tr("Open macro file"), m_desktopDir, QObject::tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    // The whole file is read and checked before the macro file changes.
    const MacroTransferFile::ReadResult read = MacroTransferFile::read(path);
    if (!read.ok) {
        qDebug().noquote() << "[DMacroPage] macro file not imported:" << path << read.error;
        return;
    }

    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(m_macroXmlPath, &nodes);
    const QByteArray index = QByteArray::number(MacroTransferFile::importIndex(nodes));
    CVorlanXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(),
                                        MacroTransferFile::macroNameOf(path).toUtf8().constData());
    std::list<MacroEvent> events;
    for (const MacroEventFields &fields : read.events)
        events.push_back(MacroRecords::fillEvent(fields));
    CVorlanXML_AddKeyOrMouseEventItem(m_macroXmlPath, events, index.constData());
    // Listed once its events are stored, so a macro shown at once shows them.
    loadMacroList();
    showNotice(QObject::tr("Import macro successful"));
}
