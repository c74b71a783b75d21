// SPDX-License-Identifier: MIT
// Every name of a pointer set leads to one role: a name two roles shared
// would put a picture in the wrong slot of a scheme or theme.
#include "pointer_roles.h"

#include <QHash>
#include <QTest>

using namespace pixelwick;

class PointerRolesTest : public QObject {
    Q_OBJECT

private slots:
    void everyNameLeadsToItsRole()
    {
        QHash<QString, int> owner;
        int index = 0;
        for (const PointerRoleNames &names : pointerRoles()) {
            QCOMPARE(int(names.role), index);
            QVERIFY(!names.windowsNames.empty());
            QList<std::string_view> all(names.windowsNames.begin(), names.windowsNames.end());
            all.append(names.xName);
            all.append(QList<std::string_view>(names.xAliases.begin(), names.xAliases.end()));
            for (std::string_view name : all) {
                const QString text = QString::fromLatin1(name.data(), qsizetype(name.size()));
                QVERIFY2(owner.value(text, index) == index, qPrintable(text + QStringLiteral(" names two roles")));
                owner.insert(text, index);
                QCOMPARE(roleNamed(text), std::optional(names.role));
                QCOMPARE(roleNamed(text.toUpper()), std::optional(names.role));
            }
            ++index;
        }
        QCOMPARE(index, kPointerRoleCount);
    }

    void schemeOrderAndOtherNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("first") << "Arrow" << 0;
        QTest::newRow("busy") << "busy" << int(PointerRole::Wait);
        QTest::newRow("x name") << "left_ptr_watch" << int(PointerRole::AppStarting);
        QTest::newRow("css") << "nesw-resize" << int(PointerRole::SizeNESW);
        QTest::newRow("last") << "person" << kPointerRoleCount - 1;
        QTest::newRow("unknown") << "arrow2" << -1;
        QTest::newRow("prefix") << "left_p" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void schemeOrderAndOtherNames()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        const std::optional<PointerRole> found = roleNamed(name);
        QCOMPARE(found ? int(*found) : -1, role);
        if (role >= 0)
            QVERIFY(!roleNames(*found).windowsRole.empty());
    }
};

QTEST_APPLESS_MAIN(PointerRolesTest)
#include "test_pointer_roles.moc"
