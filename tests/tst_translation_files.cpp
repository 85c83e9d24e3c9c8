// SPDX-License-Identifier: LicenseRef-proprietary
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

// Checks every message of the translation files as lupdate wrote them: each
// is translated, and keeps what the program relies on in its source text.
class TestTranslationFiles : public QObject
{
    Q_OBJECT

    struct Message
    {
        QString context;
        QString source;
        QString translation;
        bool finished = true;
    };

    static QList<Message> readMessages(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot open %s", qPrintable(path));
        QList<Message> messages;
        QXmlStreamReader xml(&file);
        QString context;
        Message message;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = {context, {}, {}, true};
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QStringView type = xml.attributes().value(QStringLiteral("type"));
                message.finished = type.isEmpty();
                message.translation = xml.readElementText();
                messages.append(message);
            }
        }
        if (xml.hasError())
            qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
        return messages;
    }

    static QStringList placeholders(const QString &text)
    {
        static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
        QStringList found;
        for (const QRegularExpressionMatch &match : marker.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    }

    // "&&" is a literal ampersand; a single "&" marks an access key.
    static qsizetype accessKeys(QString text) { return text.remove(QStringLiteral("&&")).count(u'&'); }

private slots:
    void messages_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("french");
        const QString folder = QStringLiteral(RAILPIN_TRANSLATIONS_DIR);
        for (const char *language : {"es", "fr"}) {
            const QList<Message> messages = readMessages(folder + QStringLiteral("/railpin_%1.ts").arg(language));
            QVERIFY(messages.size() > 40);
            for (const Message &message : messages)
                QTest::addRow("%s %s: %s", language, qPrintable(message.context), qPrintable(message.source.left(40)))
                    << message.source << message.translation << message.finished << (qstrcmp(language, "fr") == 0);
        }
    }
    void messages()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(bool, finished);
        QFETCH(bool, french);
        QVERIFY2(finished && !translation.isEmpty(), "not translated");
        QCOMPARE(placeholders(translation), placeholders(source));
        QCOMPARE(accessKeys(translation), accessKeys(source));
        // Blanks at either end are part of the caption (" Results ").
        QCOMPARE(translation.startsWith(u' '), source.startsWith(u' '));
        QCOMPARE(translation.endsWith(u' '), source.endsWith(u' '));
        // A sentence stays one, so that messages composed of pieces read right.
        if (source.endsWith(u'.'))
            QVERIFY(translation.endsWith(u'.'));
        // French sets ":", ";", "?" and "!" off with a non-breaking space, which
        // keeps them on the line of their word; a plain one only where the
        // English has it too (the "7 : 11" that a user types).
        if (french)
            for (const char *plain : {" :", " ;", " ?", " !"}) {
                const QLatin1String mark(plain);
                QVERIFY2(translation.count(mark) <= source.count(mark), plain);
            }
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translation_files.moc"
