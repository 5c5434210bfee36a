#ifndef DIALOGANSWERS_H
#define DIALOGANSWERS_H

#include "MessageBoxes.h"
#include "RuleWidgets/dChooseParamRule.h"
#include "TreeClicks.h"
#include "WidgetAreas/dBaseConstraintInParameter.h"
#include "WidgetAreas/wBaseComparisonConstraint.h"
#include "WidgetAreas/wContainerProjectArea.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

#include <functional>

// The user's side of the modal dialogs the editor pages open through the MessageBoxes seam,
// shared by the window-level tests.

// Clicks the body designer button of a relation page; n_type fills the designer, which then
// analyses the body and is closed with OK.
inline void designBody(QWidget *n_relationPage, const std::function<void(QDialog &)> &n_type)
{
    MessageBoxes::setDialogHandler([&n_type](QDialog &n_dialog) {
        n_dialog.show();
        n_type(n_dialog);
        n_dialog.findChild<QAction *>(QStringLiteral("actionDebug"))->trigger();
        auto *buttons = n_dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return n_dialog.result();
    });
    QTest::mouseClick(n_relationPage->findChild<QPushButton *>(QStringLiteral("btnBodyDesigner")),
                      Qt::LeftButton);
    MessageBoxes::setDialogHandler({});
}

// Clicks "..." on the row of the variable on a rule or constraint page; the chooser that opens is
// answered with a double click on the parameter of that name. The names of the parameters it
// offered are added to n_offered when given.
inline void chooseParameter(QWidget *n_rulePage, const QString &n_variable,
                            const QString &n_parameter, QStringList *n_offered = nullptr)
{
    MessageBoxes::setDialogHandler([&](QDialog &n_dialog) {
        n_dialog.show();
        QTreeWidget *tree = static_cast<dChooseParamRule &>(n_dialog).tree()->treeWidget();
        tree->expandAll();
        if (n_offered)
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if ((*it)->text(1) == wContainerProjectArea::PARAMETER_KIND)
                    *n_offered << (*it)->text(0);
        const auto found = tree->findItems(n_parameter, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            return int(QDialog::Rejected);
        doubleClickRow(tree, found.first());
        return n_dialog.result();
    });
    for (const char *name : {"twInputParams", "twOutputParams"}) {
        auto *table = n_rulePage->findChild<QTableWidget *>(QLatin1String(name));
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == n_variable)
                QTest::mouseClick(table->cellWidget(row, 2), Qt::LeftButton);
    }
    MessageBoxes::setDialogHandler({});
}

// The variables of a rule or constraint page, each as "variable=parameter shown against it".
inline QSet<QString> ruleRows(QWidget *n_rulePage)
{
    QSet<QString> shown;
    for (const char *name : {"twInputParams", "twOutputParams"}) {
        auto *table = n_rulePage->findChild<QTableWidget *>(QLatin1String(name));
        for (int row = 0; row < table->rowCount(); ++row)
            shown << table->item(row, 0)->text() + QLatin1Char('=')
                         + static_cast<QLineEdit *>(table->cellWidget(row, 1))->text();
    }
    return shown;
}

// Answers the constraint builder while it lives: adds a pair per value after the first, chooses
// the operators, types the values and clicks Ok; the dialog's result is what the user left.
struct ConstraintBuilderAnswer
{
    ConstraintBuilderAnswer(QStringList n_operators, QStringList n_values)
        : operators(std::move(n_operators)), values(std::move(n_values))
    {
        MessageBoxes::setDialogHandler([this](QDialog &n_dialog) {
            ++runs;
            if (!qobject_cast<dBaseConstraintInParameter *>(&n_dialog))
                return int(QDialog::Rejected);
            n_dialog.show();
            QAction *add = n_dialog.findChild<QToolBar *>()->actions().at(0);
            for (int pair = 1; pair < values.size(); ++pair)
                add->trigger();
            const auto rows = n_dialog.findChildren<wBaseComparisonConstraint *>();
            for (int row = 0; row < rows.size(); ++row) {
                auto *choice = rows.at(row)->findChild<QComboBox *>();
                choice->setCurrentIndex(choice->findText(operators.at(row)));
                QTest::keyClicks(rows.at(row)->findChild<QLineEdit *>(), values.at(row));
            }
            QTest::mouseClick(
                n_dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
            return n_dialog.result();
        });
    }
    ~ConstraintBuilderAnswer() { MessageBoxes::setDialogHandler({}); }
    ConstraintBuilderAnswer(const ConstraintBuilderAnswer &) = delete;
    ConstraintBuilderAnswer &operator=(const ConstraintBuilderAnswer &) = delete;

    QStringList operators;
    QStringList values;
    int runs = 0;
};

#endif // DIALOGANSWERS_H
