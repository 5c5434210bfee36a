#include "WidgetAreas/mathTezaurus.h"

#include <QDebug>
#include <QFile>
#include <QStringList>

namespace {
const QString KEY_MATH = QStringLiteral("math");
const QString KEY_PROG = QStringLiteral("prog");
const int FIELD_COUNT = 4;
} // namespace

mathTezaurus::mathTezaurus() = default;

void mathTezaurus::readTezaurus(QFile &n_file)
{
    QList<QString> russianMath;
    QList<QString> russianProg;
    QList<QString> englishMath;
    QList<QString> englishProg;
    if (!n_file.exists()) {
        qDebug() << "Не могу загрузить тезаурус.";
        return;
    }
    n_file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QString separator = QStringLiteral("~");
    while (!n_file.atEnd()) {
        const QByteArray line = n_file.readLine();
        const QStringList fields = QString::fromUtf8(line.constData())
                                       .split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
        if (fields.size() < FIELD_COUNT)
            continue;
        russianMath.append(fields[0] + separator + fields[2]);
        russianProg.append(fields[1] + separator + fields[2]);
        englishMath.append(fields[0] + separator + fields[3]);
        englishProg.append(fields[1] + separator + fields[3]);
    }
    m_russian.insert(KEY_MATH, russianMath);
    m_russian.insert(KEY_PROG, russianProg);
    m_english.insert(KEY_MATH, englishMath);
    m_english.insert(KEY_PROG, englishProg);
}

QHash<QString, QList<QString>> mathTezaurus::getTezaurusByLang(mathTezaurus::lang n_lang) const
{
    switch (n_lang) {
    case RUSSIAN:
        return m_russian;
    case ENGLISH:
        return m_english;
    }
    return {};
}
