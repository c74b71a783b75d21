// SPDX-License-Identifier: MIT
// Runs the window and the converter under a German locale (the test is
// started with LANG=de_DE.UTF-8): both speak German, Qt's own texts too.
#include "language.h"
#include "main_window.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pixelwick;

namespace {

testing::Run convert(const QStringList &arguments, const QString &language)
{
    return testing::runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, {},
                               {QStringLiteral("LC_ALL"), QStringLiteral("LC_MESSAGES"), QStringLiteral("LANGUAGE")},
                               {{QStringLiteral("LANG"), language}});
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowSpeaksGerman_data();
    void windowSpeaksGerman();
    void failureInGerman();
    void qtSpeaksGerman();
    void converterSpeaksTheUsersLanguage_data();
    void converterSpeaksTheUsersLanguage();
};

void TranslationsTest::initTestCase()
{
    QCOMPARE(QLocale().language(), QLocale::German);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pixelwick"));
    installTranslations();
}

void TranslationsTest::windowSpeaksGerman_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Load BMP") << "cmdLoadBMP"
                              << "BMP laden";
    QTest::newRow("Make CUR") << "cmdMakeCUR"
                              << "CUR erstellen";
    QTest::newRow("background") << "lblBG"
                                << "Hintergrund:";
    QTest::newRow("invert") << "lblInvert"
                            << "Invertieren:";
    QTest::newRow("hot spot") << "lblHotSpot"
                              << "Hotspot:";
}

void TranslationsTest::windowSpeaksGerman()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    FrmConverter window;
    window.show();
    auto *widget = window.findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), caption);
    // The font is fitted to the German captions too.
    QVERIFY(widget->fontMetrics().horizontalAdvance(caption) <= widget->width());
}

void TranslationsTest::failureInGerman()
{
    FrmConverter window;
    window.show();
    QString title, kind, message;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            kind = box->text();
            message = box->informativeText();
            box->accept();
        }
    });
    poll.start(5);
    window.findChild<QPushButton *>(QStringLiteral("cmdMakeCUR"))->click();
    QCOMPARE(title, QStringLiteral("Pixelwick"));
    QCOMPARE(kind, QStringLiteral("Ungültiges Argument"));
    QVERIFY2(message.startsWith(QStringLiteral("Es wurde noch kein Bild")), qPrintable(message));
}

// Qt's own dialogs and buttons come from Qt's translations.
void TranslationsTest::qtSpeaksGerman()
{
    QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

void TranslationsTest::converterSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("error");
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "Spalte des Hotspots von links"
                            << "existiert nicht";
    QTest::newRow("C") << "C"
                       << "Hot spot column from the left"
                       << "does not exist";
}

void TranslationsTest::converterSpeaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, help);
    QFETCH(QString, error);
    const testing::Run helped = convert({QStringLiteral("--help")}, language);
    QCOMPARE(helped.exitCode, 0);
    QVERIFY2(QString::fromUtf8(helped.out).contains(help), helped.out.constData());
    QTemporaryDir dir;
    const testing::Run failed = convert({dir.filePath(QStringLiteral("missing.png"))}, language);
    QCOMPARE(failed.exitCode, 1);
    const QStringList lines = QString::fromUtf8(failed.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(error), failed.err.constData());
}

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
