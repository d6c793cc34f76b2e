#include "app/QtPlatform.h"
#include "app/TallimoApplication.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Runs in the program's own application object, so that what it sets for
// every window holds here as well.
class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void fileDialogFiltersTakeQtsForm() {
        using app::QtPlatform;
        QCOMPARE(QtPlatform::FileDialogFilter("PDF files (*.pdf)|*.pdf"), "PDF files (*.pdf)");
        QCOMPARE(QtPlatform::FileDialogFilter("Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*"),
                 "Text Files (*.TXT);;All Files (*.*)");
    }

    // Every question guards against a loss: Enter must not say yes.
    void questionsAnswerNoToEnter() {
        bool noIsTheDefault = false;
        QTimer::singleShot(0, this, [&noIsTheDefault] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            noIsTheDefault = box->standardButton(box->defaultButton()) == QMessageBox::No;
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!app::QtPlatform().AskYesNo(nullptr, QStringLiteral("Tallimo"), QStringLiteral("Discard?")));
        QVERIFY(noIsTheDefault);
    }

    // Once an application display name is set, Qt appends it to every
    // window title; the program's titles stand as they are.
    void windowTitlesGetNoSuffix() {
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = box->windowTitle();
            box->reject();
        });
        app::QtPlatform().ShowError(nullptr, QStringLiteral("A failure"));
        QCOMPARE(shown, "Error");

        const QString name = QCoreApplication::applicationName();
        QCOMPARE(name, "Tallimo");
        QCoreApplication::setApplicationName(QStringLiteral("Renamed"));
        const QString displayName = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(name);
        QCOMPARE(displayName, "Renamed");  // no display name of its own
    }
};

int main(int argc, char** argv) {
    app::TallimoApplication application(argc, argv);
    QtPlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtPlatformTest.moc"
