// The English translation file: every text translated, its placeholders and keyboard
// accelerators kept, and the translations embedded in the program as written.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Entry {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

QList<Entry> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append({context, {}, {}, true});
        } else if (xml.name() == QLatin1String("source") && !entries.isEmpty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            entries.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

qsizetype accelerators(QString text) { return text.remove(QStringLiteral("&&")).count(QLatin1Char('&')); }
}  // namespace

Q_DECLARE_METATYPE(Entry)

class TranslationFileTest : public QObject {
    Q_OBJECT

private slots:
    void entries_data()
    {
        QTest::addColumn<Entry>("entry");
        const QList<Entry> entries = readTs(QStringLiteral(BRENVIK_TS_FILE));
        QVERIFY(entries.size() > 40);
        for (const Entry& e : entries)
            QTest::newRow(qPrintable(e.context + QLatin1Char(':') + e.source.left(30))) << e;
    }

    void entries()
    {
        QFETCH(Entry, entry);
        QVERIFY2(entry.finished, "unfinished");
        QVERIFY(!entry.translation.trimmed().isEmpty());
        QCOMPARE(placeholders(entry.translation), placeholders(entry.source));
        QCOMPARE(accelerators(entry.translation), accelerators(entry.source));
        // English puts no space before an exclamation mark, as Russian here may.
        QVERIFY2(!entry.translation.contains(QRegularExpression(QStringLiteral("\\s!"))),
                 qPrintable(entry.translation));
        QTranslator embedded;
        QVERIFY(embedded.load(QStringLiteral(":/i18n/brenvik_en.qm")));
        QCOMPARE(embedded.translate(entry.context.toUtf8().constData(), entry.source.toUtf8().constData()),
                 entry.translation);
    }
};

QTEST_GUILESS_MAIN(TranslationFileTest)
#include "translation_file_test.moc"
