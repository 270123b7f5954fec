#pragma once

#include <QString>
#include <QTranslator>

// Translates every text to itself in brackets, so a test sees which labels were retranslated.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return QString("[%1]").arg(QString::fromUtf8(sourceText));
    }
};
