#include "StatusText.h"
#include "ErrorCatalog.h"

namespace StatusText {

QString Format(bool write, const QString& message, const QString& label, const QTime& time) {
    QString text = ErrorCatalog::Text(ErrorCatalog::SnmpMsg, write ? 1 : 0);
    const QLatin1String error("[ERROR]");
    const QLatin1String varList("[VARLIST]");
    if (!label.isEmpty()) {
        text.replace(varList, label);
    } else {
        // Without a label the text between "[ERROR]" and "[VARLIST]" goes too.
        const qsizetype e = text.indexOf(error);
        const qsizetype v = text.indexOf(varList);
        if (e >= 0 && v > e)
            text.remove(e + error.size(), v + varList.size() - e - error.size());
        else
            text.replace(varList, QString());
    }
    text.replace(error, message);
    // The time format of the status line, "%H:%M:%S ampm".
    text.replace(QLatin1String("[TIME]"), time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" ampm"));
    return text;
}

}  // namespace StatusText
