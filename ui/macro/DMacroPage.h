#pragma once

#include "platform/WindowsTypes.h"
#include "sdk/store/VorlanXmlRecords.h"
#include "ui/macro/MacroKeyRules.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <list>
#include <memory>

class CbNotice;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class ProfileDialogProvider;
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

// The macro editor: the macros of the macro file on the left, the current macro's events in the
// centre, the insert and property panels on the right. Every change goes to the file at once; the
// dialog deletes itself when it closes.
class DMacroPage : public QDialog
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // Paths of 256 bytes or more are refused (logged); the editor then has no file.
    void setMacroXmlPath(const char *path);
    QString macroXmlPath() const { return QString::fromLocal8Bit(m_macroXmlPath); }

    void loadMacroList();
    void insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName, QString operateExplain,
                        int position);
    void notifyMacroListChanged();

    QString currentMacroIndex() const { return m_currentMacroIndex; }
    QString currentMacroName() const { return m_currentMacroName; }
    QList<DMacroListItem *> macroRows() const { return m_macroRows; }
    QList<DCatchKeyAndMouseItem *> eventRows() const { return m_eventRows; }
    // The rows in display order.
    QList<DCatchKeyAndMouseItem *> shownEventRows() const;
    bool isRecording() const { return m_recording; }

    // The folder and file dialogs of export and import; the editor does not own them.
    void setDialogProvider(ProfileDialogProvider *dialogs);
    // The millisecond tick the delays between recorded events are measured on.
    void setTickSource(MacroKeyRules::TickSource ticks);

    void toggleRecording();

signals:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public slots:
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private slots:
    void onScrollAreaValueChanged(int value);
    void onLoadMacroList();
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName, QString operateExplain);
    void onDeleteKeyAndMouseEvent();
    void onScrollSheetSet();
    void on_pushButton_Close_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();

private:
    void setConstructorTexts();
    void setRecordButtonIdleLook();
    void applyTheme();
    void clearMacroList();
    void clearEventList();
    DCatchKeyAndMouseItem *buildEventRow(const QString &mark, int delay, const QString &type, int keyCode,
                                         const QString &codeName, const QString &operateExplain, int position);
    void showEmptyEvents();
    void showNotice(const QString &text);
    void setPanelsEnabled(bool enabled);
    void setRecordButtonRecordingLook();
    void requestFieldHook(bool start);
    // -1 when the current macro has no stored event.
    int highestStoredMark();
    quint32 measureDelay();
    void recordKeyDown(QString codeName, int keyCode);
    void recordMouseDown(QString codeName, int message);
    void recordKeyUp();
    void recordMouseUp(QString codeName, int message);
    void appendRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                             QString operateExplain);
    void saveRecordedEvents();
    void enterKeyName(const QString &name, int code);
    void rewriteMacroFromRows();
    void moveSelectedEvent(bool up);
    void showTotalDelay();
    // Releases the hook and tells the main window, once, whichever way the editor closes.
    void announceClose();

    Ui::DMacroPage *m_ui;
    QString m_desktopDir;
    char m_macroXmlPath[256] = {};
    QVBoxLayout *m_macroListLayout = nullptr;
    QVBoxLayout *m_eventListLayout = nullptr;
    CbNotice *m_notice = nullptr;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    DMacroListItem *m_currentMacroRow = nullptr;
    QList<DMacroListItem *> m_macroRows;
    bool m_recording = false;
    int m_lastDelay = 0;
    quint32 m_lastEventTick = 0;
    int m_downCount = 0;
    QList<DCatchKeyAndMouseItem *> m_eventRows;
    int m_totalDelay = 0;
    std::list<MacroEvent> m_pendingEvents;
    bool m_selectFirstRow = false;
    bool m_eventSelected = false;
    int m_selectedPosition = 0;
    QString m_currentMacroIndex;
    QString m_currentMacroName;
    QString m_scrollSheet;
    bool m_closeAnnounced = false;

    std::unique_ptr<ProfileDialogProvider> m_ownDialogs;
    ProfileDialogProvider *m_dialogs = nullptr;
    MacroKeyRules::TickSource m_ticks;
    bool m_hasEventTick = false;
    int m_markCounter = 0;
    QMap<int, int> m_openPresses;
    QString m_releaseName;
    int m_releaseCode = -1;
    int m_releaseMark = 0;
    bool m_pointerOnRecordButton = false;
    bool m_fieldHookOn = false;
    QString m_enteredKeyName;
    int m_enteredKeyCode = -1;
    QPointer<DCatchKeyAndMouseItem> m_selectedEventRow;
    QString m_selectedMark;
    QString m_selectedDirection;
    int m_selectedIsUp = 0;
};
