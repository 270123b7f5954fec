#pragma once

#include <QByteArray>
#include <QVector>

// One radio of a fixed-choice page: the entry a click stores and how a stored entry finds it again.
struct FixedChoice
{
    // What of a stored entry of the row's type must equal the row for its radio to be checked.
    enum Match { ByValue, ByMode, ByModeAndValue, ByTypeOnly };

    const char *radioName;
    const char *text; // translated in the "QObject" context
    int type;
    int mode;
    // A number, or for a connection switch two numbers joined by a comma.
    const char *value;
    Match match;
    // False: the radio stays in the form, hidden for good; a stored entry still checks it.
    bool shown;
};

// The code tables of the fixed-choice key pages and the rules that read a stored entry back.
class FixedChoiceTable
{
public:
    static const QVector<FixedChoice> &multimedia();
    static const QVector<FixedChoice> &mouse();
    static const QVector<FixedChoice> &shortcuts();
    static const QVector<FixedChoice> &keyConfig();
    static const QVector<FixedChoice> &keyboardLight();
    static const QVector<FixedChoice> &sideLight();

    // Leading blanks, one optional sign, then the leading digits; 0 when there are none. Saturates
    // instead of overflowing.
    static int leadingInt(const QByteArray &text);
    // The row whose radio a stored entry checks; -1 for none.
    static int rowForEntry(const QVector<FixedChoice> &rows, const QByteArray &type, const QByteArray &mode,
                           const QByteArray &value);
    // The keyboard-function page offers the power query and the connection switches on these layouts.
    static bool showsConnectionChoices(int hidDeviceType);
    // The rows that showsConnectionChoices governs.
    static bool isConnectionChoice(const FixedChoice &choice);
};
