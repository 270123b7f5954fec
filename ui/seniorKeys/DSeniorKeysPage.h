#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

class ArrowWidget;
class CbNotice;
class DAllKeysShowPage;
class DDksShowWidget;
class DSeniorKeyEventListItem;
class QAbstractButton;
class QLabel;
class QVBoxLayout;
class Ui_DSeniorKeysPage;

// The advanced-key editor: lists the DKS, MT and TGL keys of the advanced-key file, creates and
// deletes them and edits the selected one. Every edit is written to the file at once. A
// frameless tool window that deletes itself when it closes.
class DSeniorKeysPage : public QDialog
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);
    ~DSeniorKeysPage() override;

    void applyTheme();
    // The list rows in ascending id.
    QList<DSeniorKeyEventListItem *> seniorKeyRows() const { return m_rowMap.values(); }

signals:
    void sigSeniorKeysPageClose();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    void reject() override;

private slots:
    void onScrollSheetSet();
    void onLoadDksPage();
    void onDksPageMouseMovePointXY(int posX, int posY);
    void onTheSeniorKeyInfoStuNeedUpdate_DKS();
    void onOperateTypeChanged(int index);
    void onSksSelKeyChanged(int index);
    void onMtSelKeyChanged(int index);
    void onAllKeysInfoAlreadyLoaded();
    void onKeyListClicked(int keyDec, QString keyCharacter);
    void onDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void onSeniorKeyEventItemClick(int bindingIndex);
    void onSliderHoldDurationValue(int HoldDurationValue);
    void onSliderHoldDurationReleased();
    void onLickActivited_Stroke01(QString str);
    void onLickActivited_Stroke04(QString str);
    void onTheStrokeConfigViewClose();
    void onTheDKSStrokeStuChanged();
    void on_pushButton_Close_clicked();
    void on_pushButton_NewCreate_clicked();

private:
    void setupButtonGroups();
    void loadSeniorKeyList(int mode);
    void clearSeniorKeyList();
    void selectSeniorKey(int id);
    void showSeniorKeyInfo(SeniorKeyInfoStu info);
    void showTravelLabels(const SeniorKeyInfoStu &info);
    void makeTravelLink(QLabel *label);
    QString keyFieldToText(QString keyField) const;
    // Writes a key text into the current slot of the selected key, by its kind.
    void writeKeyText(const QByteArray &keyText);
    void onCombinationKeyClicked(int keyDec);
    void appendCombinationPart(QString part);
    void commitCombinationKey();
    void saveCurrentKey();
    void clearHoveredSlot();
    void showKeyModeExplain();
    void showKeyTypeExplain();
    void showExplainTip(int kind, QAbstractButton *button, int arrowPosition, int offsetX);
    void showStrokeConfigView();
    void showNotice(const QString &text);
    // The close path: the list-changed notice when due and the main window's signal, once.
    void finishClose();
    // The key fields of the three pages: DKS slots 1 to 4, MT hold and click, TGL.
    QList<QAbstractButton *> keyFields() const;

    Ui_DSeniorKeysPage *m_ui;
    CbNotice *m_notice = nullptr;
    QString scrollBarStyleSheet;
    QString linkColor;
    QString themeFontFamily;
    bool m_listChanged = false;
    char m_xmlPath[256] = {};
    DDksShowWidget *m_dksShowWidget = nullptr;
    DAllKeysShowPage *m_allKeysShowPage = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    QAbstractButton *m_currentKeyButton = nullptr;
    SeniorKeyInfoStu m_currentInfo;
    int m_hoverSlot = -1;
    int m_selectedSlot = 1;
    int m_createType = 1;
    QMap<int, SeniorKeyInfoStu> m_seniorKeyMap;
    QMap<int, DSeniorKeyEventListItem *> m_rowMap;
    QMap<int, QString> m_keyNameMap;
    DSeniorKeyEventListItem *m_currentRow = nullptr;
    bool m_comboActive = false;
    QStringList m_comboParts;
    int m_comboPartCount = 0;
    int m_comboMask = 0;
    int m_comboKeyCode = 0;
    QPointer<ArrowWidget> m_explainTip;
    QWidget *m_strokeOverlay = nullptr;
    bool m_closeFinished = false;
};
