// Journeys through the real window: the program's main document with the
// program's own controller, language and update managers, driven with real
// clicks and keys on small spots. Each journey leaves a picture per step
// under journey-shots/ in the build folder and fails on any warning printed
// on the way.

#include "driver.hpp"
#include "file_dialog_steps.hpp"
#include "typed_paths_journey.hpp"
#include "startup.hpp"

#include "controller/app_controller.hpp"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTimer>
#include <QToolButton>
#include <QApplication>
#include <QLoggingCategory>
#include <QQuickStyle>
#include <QProcess>
#include <QTest>

#include <cmath>

using journeys::dialogButton;
using journeys::dialogFromHome;
using journeys::Driver;
using journeys::onScreen;
using journeys::openTab;
using journeys::rowOf;
using journeys::waitClosed;

namespace {

const QStringList kRiverBoard{"Ks", "7d", "2c", "5h", "9s"};

QString actionOf(QQuickItem* node) {
  return node->property("action").toString();
}

// The tree entry of `level` whose action starts with `action`.
QQuickItem* treeEntry(Driver& d, int level, const QString& action) {
  return d.itemWhere(
      QStringLiteral("treeAction_%1_").arg(level),
      [&](QQuickItem* node) { return actionOf(node).startsWith(action); },
      QStringLiteral("\"%1\" on tree level %2").arg(action, QString::number(level)));
}

void pickBoard(Driver& d, const QStringList& cards) {
  for (int slot = 0; slot < cards.size(); ++slot) {
    d.click(QStringLiteral("slot%1").arg(slot), d.item(QStringLiteral("boardDisplay")));
    QQuickItem* picker = d.item(QStringLiteral("cardPicker"));
    d.click(d.item(QStringLiteral("pick_") + cards[slot], picker));
    d.waitUntil([&] { return !d.findVisible(QStringLiteral("cardPicker")); },
                QStringLiteral("the card picker to close"));
  }
}

// One bet and one raise size per street for OOP, copied to IP.
void typeSizes(Driver& d) {
  for (const char* street : {"Flop", "Turn", "River"}) {
    d.type(d.item(QStringLiteral("oop%1BetField").arg(street)), QStringLiteral("50"));
    d.type(d.item(QStringLiteral("oop%1RaiseField").arg(street)), QStringLiteral("100"));
  }
  d.click(QStringLiteral("copyOopSettingsButton"));
}

// A new project on the river spot: board picked, ranges and sizes typed.
void describeRiverSpot(Driver& d) {
  d.click(QStringLiteral("heroNewSolveButton"));
  pickBoard(d, kRiverBoard);
  d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("AA, KK, QQ, AK, 76s"));
  d.type(d.item(QStringLiteral("ipRangeInput")), QStringLiteral("99, 77, AJs, KQo, T8s"));
  typeSizes(d);
}

// A new project on a turn spot whose board holds two suits only.
void describeTurnSpot(Driver& d) {
  d.click(QStringLiteral("heroNewSolveButton"));
  pickBoard(
      d, {QStringLiteral("Ah"), QStringLiteral("Ks"), QStringLiteral("7h"), QStringLiteral("2h")});
  d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("AA, KK, QQ, AK, KQ, T9s"));
  d.type(d.item(QStringLiteral("ipRangeInput")), QStringLiteral("99, 77, AQ, KJ, QJ, 86s"));
  typeSizes(d);
}

void chooseThreads(Driver& d, const QString& label) {
  QQuickItem* combo = d.item(QStringLiteral("threadCountCombo"));
  d.click(combo);
  d.click(d.itemWithText(label, d.item(QStringLiteral("threadCountPopup"))));
  d.waitUntil([&] { return combo->property("displayText").toString() == label; },
              QStringLiteral("\"%1\" chosen").arg(label));
  // A new thread count has the spot measured again before it may start.
  QQuickItem* start = d.item(QStringLiteral("startSolveButton"));
  d.waitUntil([&] { return start->isEnabled(); }, QStringLiteral("the spot to be measured"));
}

// Solves the described spot from the solve page on two threads.
void solveOnTwoThreads(Driver& d) {
  openTab(d, 2);
  chooseThreads(d, QStringLiteral("2 threads"));
  d.click(QStringLiteral("startSolveButton"));
  d.waitUntil(
      [&] { return !d.controller().getRunning() && d.controller().getResultIterations() > 0; },
      QStringLiteral("the solve to finish"), 60000);
}

// Describes a spot, solves it and opens its results.
void openSolvedResults(Driver& d, void (*describe)(Driver&)) {
  describe(d);
  solveOnTwoThreads(d);
  openTab(d, 3);
}

// What the tree panel lists on `level`, in order.
QStringList treeLevel(Driver& d, int level) {
  QStringList actions;
  const QString prefix = QStringLiteral("treeAction_%1_").arg(level);
  for (int index = 0;; ++index) {
    QQuickItem* node = d.findVisible(prefix + QString::number(index));
    if (!node) return actions;
    actions << actionOf(node);
  }
}

// The platform's file dialog titled `title`: the user pastes the path of
// `name` in `folder` and presses Return.
void chooseFile(Driver& d, const QString& title, const QString& folder, const QString& name) {
  d.typeIntoFileDialog(d.fileDialog(title), QDir(folder).filePath(name));
}

int actionIndex(Driver& d, int node, const QString& name) {
  const QVariantList actions = d.controller().nodeActions(node);
  for (int i = 0; i < actions.size(); ++i)
    if (actions[i].toMap().value(QStringLiteral("name")).toString() == name) return i;
  d.fail(QStringLiteral("no action %1 at node %2").arg(name).arg(node));
  return -1;
}

// The solved strategy of `hand` at `node`, one probability per action.
QList<double> strategyOf(Driver& d, int node, const QString& hand) {
  QList<double> probs;
  const QVariantMap strategy = d.controller().nodeHandStrategy(node);
  for (const QVariant& p :
       strategy.value(QStringLiteral("actionProbs")).toMap().value(hand).toList())
    probs << p.toDouble();
  return probs;
}

// Saves the seat's current range into its Custom library under `name`.
void saveRange(Driver& d, const QString& seat, const QString& name) {
  d.click(seat + QStringLiteral("SaveRangeButton"));
  d.type(d.item(QStringLiteral("saveRangeNameField")), name, false);
  d.click(QStringLiteral("saveRangeConfirm"));
  d.item(seat + QStringLiteral("LibraryRow_") + name);
}

// The names in one folder of the seat's Custom tree ("" for the top level).
QStringList customNames(Driver& d, const QString& seat, const QString& folder = QString()) {
  QVariantList level = d.item(QStringLiteral("projectPage"))
                           ->property(qPrintable(seat + QStringLiteral("CustomRanges")))
                           .toList();
  if (!folder.isEmpty()) {
    QVariantList inner;
    for (const QVariant& node : level)
      if (node.toMap().value(QStringLiteral("name")).toString() == folder)
        inner = node.toMap().value(QStringLiteral("children")).toList();
    level = inner;
  }
  QStringList names;
  for (const QVariant& node : level) names << node.toMap().value(QStringLiteral("name")).toString();
  return names;
}

void switchVariant(Driver& d) {
  d.click(QStringLiteral("variantButton"));
  d.click(QStringLiteral("variantPopupSwitchButton"));
}

QObject* theme(Driver& d) {
  return d.shell()->property("theme").value<QObject*>();
}

bool themeIs(Driver& d, bool dark, const QString& accent) {
  return theme(d)->property("dark").toBool() == dark &&
         theme(d)->property("accent").value<QColor>() == QColor(accent);
}

QObject* resultsPage(Driver& d) {
  return d.object(QStringLiteral("resultsPage"));
}

// The solution's best action for OOP at the play node, by the page's own
// mistake rule: a hero who plays it never ends a hand on a mistake.
int bestOopAction(QObject* page) {
  QVariant info;
  QMetaObject::invokeMethod(page, "_suboptimalEvInfoAtNode", Q_RETURN_ARG(QVariant, info),
                            Q_ARG(QVariant, page->property("_playNode")),
                            Q_ARG(QVariant, QStringLiteral("OOP")), Q_ARG(QVariant, 0));
  return info.toMap().value(QStringLiteral("bestIndex"), 0).toInt();
}

// Plays OOP's best actions until `done`; IP acts on its own.
void playUntil(Driver& d, const std::function<bool()>& done, const QString& what) {
  QObject* page = resultsPage(d);
  d.waitUntil(
      [&] {
        if (done()) return true;
        if (!page->property("playAwaitingUserAction").toBool() ||
            page->property("playDrillMode").toBool())
          return false;
        d.click(QStringLiteral("playAction%1").arg(bestOopAction(page)),
                d.item(QStringLiteral("playActionPrompt")));
        return done();
      },
      what, 30000);
}

// The status pill of the newest run row on the solve page.
QString newestRunStatus(Driver& d) {
  QQuickItem* row = d.itemWhere(
      QStringLiteral("runRow"), [](QQuickItem*) { return true; }, QStringLiteral("a run row"));
  return Driver::text(d.itemWhere(
      QString(), [](QQuickItem* item) { return !Driver::text(item).isEmpty(); },
      QStringLiteral("the run's status"), d.item(QStringLiteral("runStatusPill"), row)));
}

void waitForStatus(Driver& d, const QString& status, int timeoutMs = 60000) {
  d.waitUntil([&] { return d.controller().getStatusText() == status; },
              QStringLiteral("the status \"%1\" (it reads \"%2\")")
                  .arg(status, d.controller().getStatusText()),
              timeoutMs);
}

}  // namespace

class WindowJourneys : public QObject {
  Q_OBJECT

 private slots:
  // A new spot described by hand, solved on two threads, and read.
  void describeSolveAndRead() {
    journeys::runJourney(QStringLiteral("1-describe-solve-read"), [](Driver& d) {
      d.shot(QStringLiteral("home"));
      d.click(QStringLiteral("heroNewSolveButton"));
      d.item(QStringLiteral("setupHeader"));
      d.shot(QStringLiteral("new-project"));

      pickBoard(d, kRiverBoard);
      if (d.shell()->property("boardText").toString() != kRiverBoard.join(QString()))
        d.fail(QStringLiteral("board reads ") + d.shell()->property("boardText").toString());
      d.shot(QStringLiteral("board-picked"));

      d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("AA, KK, QQ, AK"));
      d.click(QStringLiteral("cell_JJ"), d.item(QStringLiteral("oopMatrix")));
      d.type(d.item(QStringLiteral("ipRangeInput")), QStringLiteral("99, 77"));
      for (const char* hand : {"AJs", "KQo"})
        d.click(QString::fromLatin1("cell_") + hand, d.item(QStringLiteral("ipMatrix")));
      const QString oop = d.shell()->property("oopRangeText").toString();
      const QString ip = d.shell()->property("ipRangeText").toString();
      if (!oop.contains(QLatin1String("JJ")) || !ip.contains(QLatin1String("KQo")) ||
          !ip.contains(QLatin1String("99")))
        d.fail(QStringLiteral("ranges read \"%1\" and \"%2\"").arg(oop, ip));
      d.shot(QStringLiteral("ranges"));

      typeSizes(d);
      if (d.shell()->property("ipRiverBetSizesText").toString() != QLatin1String("50"))
        d.fail(QStringLiteral("IP river bets not copied"));
      d.shot(QStringLiteral("sizes"));

      QQuickItem* next = d.item(QStringLiteral("continueToSolveButton"));
      d.waitUntil([&] { return next->isEnabled(); }, QStringLiteral("the spot to be ready"));
      d.click(next);
      d.item(QStringLiteral("solveHeader"));
      chooseThreads(d, QStringLiteral("2 threads"));
      d.shot(QStringLiteral("solve-page"));

      d.click(QStringLiteral("startSolveButton"));
      waitForStatus(d, QStringLiteral("Done"));
      d.shot(QStringLiteral("solved"));

      d.click(QStringLiteral("viewResultsButton"));
      for (const char* card : {"evOopCard", "evIpCard", "exploitabilityCard"}) {
        QQuickItem* stat = d.item(QString::fromLatin1(card));
        const QString value = Driver::text(d.item(QStringLiteral("statValue"), stat));
        if (value.isEmpty() || value == QLatin1String("—"))
          d.fail(QStringLiteral("%1 shows \"%2\"").arg(QString::fromLatin1(card), value));
      }
      d.shot(QStringLiteral("results-root"));

      d.click(treeEntry(d, 0, QStringLiteral("Bet")));
      d.click(treeEntry(d, 1, QStringLiteral("Raise")));
      d.click(treeEntry(d, 2, QStringLiteral("Call")));
      d.shot(QStringLiteral("bet-raise-call"));

      // Back to the root, where OOP holds AK with its whole weight.
      d.click(treeEntry(d, 0, QStringLiteral("Bet")));
      d.type(d.item(QStringLiteral("handSearchField")), QStringLiteral("AK"), false);
      QQuickItem* combos = d.item(QStringLiteral("comboList"));
      d.waitUntil([&] { return combos->property("count").toInt() == 12; },
                  QStringLiteral("the 12 AK combos the board leaves"));
      d.shot(QStringLiteral("search-AK"));

      QQuickItem* bucket = d.itemWhere(
          QStringLiteral("bucket_"), [](QQuickItem*) { return true; }, QStringLiteral("a bucket"));
      d.click(bucket);
      QObject* page = d.item(QStringLiteral("resultsPage"));
      if (QStringLiteral("bucket_") + page->property("selectedBucket").toString() !=
          bucket->objectName())
        d.fail(QStringLiteral("the bucket filter did not take"));
      d.shot(QStringLiteral("bucket"));
    });
  }

  // Down a turn spot to the river deal, a card the engine stands in for by
  // its suit twin, then the distributions chart in EV.
  void turnToRiverAndDistributions() {
    journeys::runJourney(QStringLiteral("2-turn-river-distributions"), [](Driver& d) {
      openSolvedResults(d, describeTurnSpot);
      d.click(treeEntry(d, 0, QStringLiteral("Check")));
      d.click(treeEntry(d, 1, QStringLiteral("Check")));
      d.click(QStringLiteral("chanceNode_2"));
      QQuickItem* picker = d.item(QStringLiteral("chancePicker"));
      d.shot(QStringLiteral("river-picker"));
      // The engine deals clubs for the two suits off the board; diamonds
      // are their twins.
      const QVariantList deals = d.controller().nodeActions(
          d.item(QStringLiteral("resultsPage"))->property("currentNodeIndex").toInt());
      for (const QVariant& deal : deals)
        if (deal.toMap().value(QStringLiteral("name")).toString() == QLatin1String("3d"))
          d.fail(QStringLiteral("the engine lists 3d itself"));
      d.click(QStringLiteral("chanceCard_3d"), picker);
      d.waitUntil([&] { return !d.findVisible(QStringLiteral("chancePicker")); },
                  QStringLiteral("the picker to close"));
      const QString board =
          d.item(QStringLiteral("strategyBoard"))->property("boardText").toString();
      if (board != QLatin1String("AhKs7h2h3d")) d.fail(QStringLiteral("the board reads ") + board);
      treeEntry(d, 3, QStringLiteral("Check"));
      d.shot(QStringLiteral("river-3d"));

      d.click(QStringLiteral("distributionsButton"));
      d.waitUntil([&] { return !d.findVisible(QStringLiteral("distComputing")); },
                  QStringLiteral("the distributions"), 20000);
      if (d.findVisible(QStringLiteral("distError")))
        d.fail(Driver::text(d.findVisible(QStringLiteral("distError"))));
      d.shot(QStringLiteral("distributions-equity"));
      QQuickItem* metric = d.item(QStringLiteral("distMetricSwitch"));
      d.click(metric);
      d.waitUntil([&] { return metric->property("checked").toBool(); }, QStringLiteral("EV"));
      QQuickItem* chart =
          d.item(QStringLiteral("chart"), d.object(QStringLiteral("distributionsDialog")));
      d.waitUntil([&] { return chart->property("drawnCurves").toInt() == 2; },
                  QStringLiteral("two EV curves"));
      d.itemWithText(QStringLiteral("EV by hand"), d.object(QStringLiteral("distributionsDialog")));
      d.shot(QStringLiteral("distributions-ev"));
      d.key(Qt::Key_Escape);
    });
  }

  // Locks at the root, a re-solve that keeps them, and Standard mode that
  // drops them.
  void lockResolveAndDrop() {
    journeys::runJourney(QStringLiteral("3-node-locks"), [](Driver& d) {
      openSolvedResults(d, describeRiverSpot);
      const int check = actionIndex(d, 0, QStringLiteral("Check"));
      QQuickItem* matrix = d.item(QStringLiteral("strategyMatrix"));
      d.click(QStringLiteral("nodeLockModeButton"));
      d.click(QStringLiteral("nodeLockAction_%1").arg(check));
      const QStringList pure{QStringLiteral("AA"), QStringLiteral("KK"), QStringLiteral("AKs")};
      for (const QString& hand : pure) d.click(QStringLiteral("cell_") + hand, matrix);
      d.shot(QStringLiteral("three-checks"));

      d.click(QStringLiteral("nodeLockMixed"));
      d.type(d.item(QStringLiteral("nodeLockFreq_%1").arg(check)), QStringLiteral("0.6"));
      d.click(QStringLiteral("cell_QQ"), matrix);
      d.shot(QStringLiteral("mixed-QQ"));
      if (d.controller().nodeLocks(0).isEmpty())
        d.fail(QStringLiteral("no lock reached the controller"));

      d.click(QStringLiteral("nodeLockResolve"));
      d.waitUntil(
          [&] { return !d.controller().getRunning() && d.controller().getResultIterations() > 0; },
          QStringLiteral("the re-solve to finish"), 60000);
      d.shot(QStringLiteral("re-solved"));
      const auto near = [](const QList<double>& probs, int action, double wanted) {
        return action < probs.size() && std::abs(probs[action] - wanted) < 1e-3;
      };
      for (const QString& hand : pure)
        if (!near(strategyOf(d, 0, hand), check, 1.0))
          d.fail(hand + QStringLiteral(" no longer checks always"));
      if (!near(strategyOf(d, 0, QStringLiteral("QQ")), check, 0.6))
        d.fail(QStringLiteral("QQ no longer checks 60 %"));

      openTab(d, 3);
      d.click(QStringLiteral("nodeLockModeButton"));
      d.click(QStringLiteral("standardModeButton"));
      d.waitUntil([&] { return d.controller().nodeLocks(0).isEmpty(); },
                  QStringLiteral("Standard mode to drop the locks"));
      d.shot(QStringLiteral("standard-mode"));
    });
  }

  // A hand played as OOP, another one, a river re-dealt by the setting, a
  // drill, and the home page's counters.
  void playDrillAndCounters() {
    journeys::runJourney(QStringLiteral("4-play-drill"), [](Driver& d) {
      openSolvedResults(d, describeTurnSpot);
      d.click(QStringLiteral("playModeButton"));
      d.click(QStringLiteral("playAsOop"));
      QObject* page = resultsPage(d);
      const auto complete = [&] { return page->property("playHandComplete").toBool(); };
      playUntil(d, complete, QStringLiteral("the end of the hand"));
      d.waitUntil(
          [&] {
            return Driver::text(d.item(QStringLiteral("handLogCount"))) == QLatin1String("1 hand");
          },
          QStringLiteral("one hand in the log"));
      d.shot(QStringLiteral("hand-played"));

      // A hand that a bet ends before the river is followed by another.
      const auto riverDealt = [&] {
        return page->property("playBoardText").toString().size() == 10;
      };
      for (int hand = 0; hand == 0 || (hand < 8 && !riverDealt()); ++hand) {
        d.click(QStringLiteral("anotherHand"));
        playUntil(
            d, [&] { return riverDealt() || complete(); }, QStringLiteral("the river or the end"));
      }
      if (!riverDealt()) d.fail(QStringLiteral("eight hands ended before the river"));
      const QString turnBoard = page->property("playBoardText").toString().left(8);
      d.click(QStringLiteral("playSettingsButton"));
      d.click(QStringLiteral("riverSetting_ip"));
      if (page->property("playRiverCardSetting").toString() != QLatin1String("ip"))
        d.fail(QStringLiteral("the river setting did not change"));
      d.click(QStringLiteral("playSettingsClose"));
      if (!riverDealt() || page->property("playBoardText").toString().left(8) != turnBoard)
        d.fail(QStringLiteral("the re-dealt board reads ") +
               page->property("playBoardText").toString());
      d.shot(QStringLiteral("river-redealt"));

      playUntil(d, complete, QStringLiteral("the end of the second hand"));
      d.click(QStringLiteral("anotherHand"));
      d.waitUntil([&] { return page->property("playAwaitingUserAction").toBool(); },
                  QStringLiteral("OOP's first decision"));
      QQuickItem* drill = d.item(QStringLiteral("drillButton"));
      d.click(drill);
      if (Driver::text(drill) != QLatin1String("Stop drill"))
        d.fail(QStringLiteral("no drill started"));
      for (int answer = 0; answer < 3; ++answer) {
        d.waitUntil([&] { return d.findVisible(QStringLiteral("playActionPrompt")) != nullptr; },
                    QStringLiteral("a drill deal"));
        d.click(QStringLiteral("playAction%1").arg(answer % 2),
                d.item(QStringLiteral("playActionPrompt")));
        d.item(QStringLiteral("drillToast"));
        if (answer == 0) d.shot(QStringLiteral("drill-answer"));
      }
      d.click(drill);
      d.waitUntil(
          [&] {
            return Driver::text(drill) == QLatin1String("Drill spot") &&
                   page->property("playAwaitingUserAction").toBool();
          },
          QStringLiteral("the drill to stop"));
      d.shot(QStringLiteral("drill-stopped"));

      openTab(d, 0);
      const int played =
          d.controller().playVsSolutionStats().value(QStringLiteral("totalHands")).toInt();
      QQuickItem* hands =
          d.item(QStringLiteral("statValue"), d.item(QStringLiteral("playHandsStat")));
      if (played < 2 || Driver::text(hands) != QStringLiteral("%1 / %1").arg(played))
        d.fail(QStringLiteral("after %1 hands the home page reads %2")
                   .arg(played)
                   .arg(Driver::text(hands)));
      d.shot(QStringLiteral("home-counters"));
      d.click(QStringLiteral("clearPlayStatsButton"));
      d.click(QStringLiteral("messageOkButton"));
      d.waitUntil([&] { return Driver::text(hands) == QLatin1String("0 / 0"); },
                  QStringLiteral("the counters to clear"));
      d.shot(QStringLiteral("counters-cleared"));
    });
  }

  // Qt's file dialog in a real X window, driven with xdotool as a user's
  // hands: twenty uses in a row of four kinds (a typed path to save, a
  // double-click to open, a click and Open, and after a restart Up from the
  // remembered folder), the replace question, and Qt's words after a
  // language switch. Pictures of the whole screen, dialog included.
  void fileDialogsOnScreen() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      QSKIP("needs an X display: the screenshot label runs it under Xvfb");
    journeys::runJourney(QStringLiteral("9-file-dialogs"), [](Driver& d) {
      const QString folder = QDir::home().filePath(QStringLiteral("projects"));
      QDir().mkpath(folder);
      const QStringList boards{QStringLiteral("Jc9c4s"), QStringLiteral("Ks7d2c"),
                               QStringLiteral("Qh8h3d"), QStringLiteral("As5d3h"),
                               QStringLiteral("Td6c2h")};
      QStringList names;
      QMap<QString, QString> boardOf;
      const auto board = [&] { return d.shell()->property("boardText").toString(); };
      const auto expectOpened = [&](const QString& name, const QString& how) {
        d.waitUntil([&] { return board() == boardOf.value(name); },
                    QStringLiteral("%1 of %2 to open it (board %3)").arg(how, name, board()));
      };
      // Two projects to start with, saved by the controller.
      for (int i = 0; i < 2; ++i) {
        d.shell()->setProperty("boardText", boards[i]);
        QVariant state;
        QMetaObject::invokeMethod(d.shell(), "exportProjectState", Q_RETURN_ARG(QVariant, state));
        const QString name = QStringLiteral("start-%1.pellarisproj").arg(i);
        if (!d.controller().saveProject(QUrl::fromLocalFile(QDir(folder).filePath(name)),
                                        state.toMap()))
          d.fail(QStringLiteral("could not save ") + name);
        names << name;
        boardOf[name] = boards[i];
      }
      d.controller().loadProject(QUrl::fromLocalFile(QDir(folder).filePath(names[0])));

      for (int round = 0; round < 20; ++round) {
        const QString step = QStringLiteral("r%1-").arg(round, 2, 10, QLatin1Char('0'));
        switch (round % 4) {
          case 0: {  // a typed path saves; the dialog adds the suffix
            const QString wanted = boards[(round / 4 + 2) % boards.size()];
            d.shell()->setProperty("boardText", wanted);
            QPointer<QFileDialog> dialog = dialogFromHome(d, QStringLiteral("saveProjectButton"),
                                                          QStringLiteral("Save Project"));
            const QString name = QStringLiteral("typed-%1").arg(round);
            d.waitUntil(
                [&] {
                  return dialog->focusWidget() &&
                         dialog->focusWidget()->objectName() == QLatin1String("fileNameEdit");
                },
                QStringLiteral("the name field to take the keyboard"));
            d.xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"),
                       QDir(folder).filePath(name)});
            d.screenShot(step + QStringLiteral("typed-path"));
            d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
            waitClosed(d, dialog, step);
            const QString file = name + QStringLiteral(".pellarisproj");
            d.waitUntil([&] { return QFileInfo::exists(QDir(folder).filePath(file)); },
                        file + QStringLiteral(" to be written"));
            names << file;
            boardOf[file] = wanted;
            break;
          }
          case 1: {  // a double-click opens the file double-clicked
            const QString name = names[(round * 3) % names.size()];
            d.shell()->setProperty("boardText", QString());
            QPointer<QFileDialog> dialog = dialogFromHome(d, QStringLiteral("openProjectButton"),
                                                          QStringLiteral("Open Project"));
            const QPoint row = rowOf(d, dialog, name);
            d.screenShot(step + QStringLiteral("before-double-click"));
            d.screenClick(row, 2);
            waitClosed(d, dialog, step);
            expectOpened(name, QStringLiteral("a double-click"));
            break;
          }
          case 2: {  // a single click chooses, Open opens it
            const QString name = names[(round * 5 + 1) % names.size()];
            d.shell()->setProperty("boardText", QString());
            QPointer<QFileDialog> dialog = dialogFromHome(d, QStringLiteral("openProjectButton"),
                                                          QStringLiteral("Open Project"));
            d.screenClick(rowOf(d, dialog, name));
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QPushButton* open = dialogButton(d, dialog, QDialogButtonBox::Open);
            d.waitUntil([&] { return field->text() == name && open->isEnabled(); },
                        QStringLiteral("one click to choose ") + name);
            d.screenShot(step + QStringLiteral("clicked"));
            d.screenClick(onScreen(open));
            waitClosed(d, dialog, step);
            expectOpened(name, QStringLiteral("a click and Open"));
            break;
          }
          default: {  // after a restart: the remembered folder, and Up
            d.stop();
            d.start();
            QPointer<QFileDialog> dialog = dialogFromHome(d, QStringLiteral("openProjectButton"),
                                                          QStringLiteral("Open Project"));
            const QString here = QDir(folder).absolutePath();
            if (dialog->directory().absolutePath() != here)
              d.fail(QStringLiteral("the dialog starts in ") + dialog->directory().absolutePath());
            auto* up = dialog->findChild<QToolButton*>(QStringLiteral("toParentButton"));
            if (!up || !up->isEnabled()) d.fail(QStringLiteral("Up is not there to click"));
            d.screenClick(onScreen(up));
            d.waitUntil(
                [&] { return dialog->directory().absolutePath() == QDir::home().absolutePath(); },
                QStringLiteral("Up to reach the home folder"));
            d.screenShot(step + QStringLiteral("up"));
            d.screenClick(rowOf(d, dialog, QStringLiteral("projects")), 2);
            d.waitUntil([&] { return dialog->directory().absolutePath() == here; },
                        QStringLiteral("a double-click to enter the folder again"));
            const QString name = names[round % names.size()];
            d.shell()->setProperty("boardText", QString());
            d.screenClick(rowOf(d, dialog, name), 2);
            waitClosed(d, dialog, step);
            expectOpened(name, QStringLiteral("a double-click after Up"));
            break;
          }
        }
      }

      // Saving over a file: Qt's dialog asks once (the page does not ask
      // again), and Yes replaces it.
      const QString replaced = names[2];
      d.shell()->setProperty("boardText", QStringLiteral("8s8d2c"));
      QPointer<QFileDialog> dialog =
          dialogFromHome(d, QStringLiteral("saveProjectButton"), QStringLiteral("Save Project"));
      d.screenClick(rowOf(d, dialog, replaced));
      // The question runs its own event loop: it is answered from a timer.
      int questions = 0;
      QTimer answer;
      QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || questions > 0) return;
        ++questions;
        d.screenShot(QStringLiteral("replace-question"));
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        const QPoint at = onScreen(yes);
        QProcess::startDetached(
            QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
      });
      answer.start(100);
      d.screenClick(onScreen(dialogButton(d, dialog, QDialogButtonBox::Save)));
      waitClosed(d, dialog, QStringLiteral("replace"));
      answer.stop();
      if (questions != 1)
        d.fail(QStringLiteral("the replace question came %1 times").arg(questions));
      if (d.findVisible(QStringLiteral("replaceFileDialog")))
        d.fail(QStringLiteral("the page asked a second time"));
      boardOf[replaced] = QStringLiteral("8s8d2c");
      d.shell()->setProperty("boardText", QString());
      d.typeIntoFileDialog(
          dialogFromHome(d, QStringLiteral("openProjectButton"), QStringLiteral("Open Project")),
          QDir(folder).filePath(replaced));
      expectOpened(replaced, QStringLiteral("a typed path after the replace"));

      // Deutsch: the dialog's title and Qt's own words follow the switch.
      QObject* languages = qmlEngine(d.window())
                               ->rootContext()
                               ->contextProperty(QStringLiteral("languageManager"))
                               .value<QObject*>();
      for (const char* code : {"de", "en"}) {
        QMetaObject::invokeMethod(languages, "setLanguage",
                                  Q_ARG(QString, QString::fromLatin1(code)));
        const QString title = QCoreApplication::translate("HomePage", "Open Project");
        const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        if (qstrcmp(code, "de") == 0 &&
            (title == QLatin1String("Open Project") || lookIn == QLatin1String("Look in:")))
          d.fail(QStringLiteral("no German catalogue in use"));
        QPointer<QFileDialog> shown = dialogFromHome(d, QStringLiteral("openProjectButton"), title);
        auto* label = shown->findChild<QLabel*>(QStringLiteral("lookInLabel"));
        if (!label || label->text() != lookIn)
          d.fail(QStringLiteral("the dialog reads \"%1\" for \"%2\"")
                     .arg(label ? label->text() : QString(), lookIn));
        d.screenShot(QStringLiteral("language-") + QString::fromLatin1(code));
        d.screenClick(onScreen(dialogButton(d, shown, QDialogButtonBox::Cancel)));
        waitClosed(d, shown, QStringLiteral("cancel"));
      }
    });
  }

  // Full paths and folders typed into the file dialog, twenty rounds in a
  // row, each followed by a click on the window that must act.
  void typedPathsOnScreen() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      QSKIP("needs an X display: the screenshot label runs it under Xvfb");
    journeys::typedPathsOnScreen();
  }

  // A project saved and opened again, with and without results, and a
  // broken project file.
  void saveAndOpenProjects() {
    journeys::runJourney(QStringLiteral("5-save-open"), [](Driver& d) {
      const QString folder = QDir::home().filePath(QStringLiteral("projects"));
      QDir().mkpath(folder);
      openSolvedResults(d, describeRiverSpot);
      const QStringList root = treeLevel(d, 0);
      if (root.size() < 2) d.fail(QStringLiteral("the root lists ") + root.join(QLatin1Char(',')));
      d.shot(QStringLiteral("solved"));

      openTab(d, 0);
      d.click(QStringLiteral("saveProjectButton"));
      d.shot(QStringLiteral("save-dialog"));
      chooseFile(d, QStringLiteral("Save Project"), folder, QStringLiteral("river"));
      if (!QFileInfo::exists(folder + QStringLiteral("/river.pellarisproj")))
        d.fail(QStringLiteral("river.pellarisproj was not written"));

      d.click(QStringLiteral("heroNewSolveButton"));
      d.item(QStringLiteral("setupHeader"));
      if (!d.shell()->property("boardText").toString().isEmpty())
        d.fail(QStringLiteral("New Solve kept the board"));
      d.shot(QStringLiteral("new-solve"));

      openTab(d, 0);
      d.click(QStringLiteral("openProjectButton"));
      chooseFile(d, QStringLiteral("Open Project"), folder, QStringLiteral("river.pellarisproj"));
      d.waitUntil([&] { return d.shell()->property("navIndex").toInt() == 3; },
                  QStringLiteral("the results page"));
      d.waitUntil([&] { return treeLevel(d, 0) == root; }, QStringLiteral("the same root actions"));
      const QString shownBoard =
          d.item(QStringLiteral("strategyBoard"))->property("boardText").toString();
      if (shownBoard != kRiverBoard.join(QString()))
        d.fail(QStringLiteral("the opened results show the board \"%1\"").arg(shownBoard));
      d.shot(QStringLiteral("opened-with-results"));
      openTab(d, 2);
      const QString status = Driver::text(d.item(QStringLiteral("statusLine")));
      if (!status.startsWith(QLatin1String("Loaded project (")))
        d.fail(QStringLiteral("the status reads ") + status);
      d.shot(QStringLiteral("loaded-status"));

      openTab(d, 0);
      d.click(QStringLiteral("heroNewSolveButton"));
      pickBoard(d, {QStringLiteral("Ah"), QStringLiteral("Kd"), QStringLiteral("7c")});
      openTab(d, 0);
      d.click(QStringLiteral("saveProjectButton"));
      chooseFile(d, QStringLiteral("Save Project"), folder, QStringLiteral("setup-only"));
      d.click(QStringLiteral("heroNewSolveButton"));
      openTab(d, 0);
      d.click(QStringLiteral("openProjectButton"));
      chooseFile(d, QStringLiteral("Open Project"), folder,
                 QStringLiteral("setup-only.pellarisproj"));
      d.waitUntil(
          [&] {
            return d.shell()->property("navIndex").toInt() == 1 &&
                   d.shell()->property("boardText").toString() == QLatin1String("AhKd7c");
          },
          QStringLiteral("the set-up page with the saved board"));
      d.shot(QStringLiteral("opened-setup-only"));

      QFile broken(folder + QStringLiteral("/broken.pellarisproj"));
      if (!broken.open(QIODevice::WriteOnly) ||
          broken.write("{ \"format\": \"halvory_project\", ") <= 0)
        d.fail(QStringLiteral("could not write the broken file"));
      broken.close();
      openTab(d, 0);
      d.click(QStringLiteral("openProjectButton"));
      Driver::expectMessage(QStringLiteral("Load failed:"));
      chooseFile(d, QStringLiteral("Open Project"), folder, QStringLiteral("broken.pellarisproj"));
      const QString error = Driver::text(d.item(QStringLiteral("messageText")));
      if (!error.contains(QLatin1String(
              "broken.pellarisproj could not be opened:\nThe project file is damaged (cut short)")))
        d.fail(QStringLiteral("the error reads ") + error);
      d.shot(QStringLiteral("broken-file"));
      d.click(QStringLiteral("messageOkButton"));
    });
  }

  // The Custom range library, settings profiles and each variant's ranges,
  // all still there after a restart.
  void rangesProfilesAndRestart() {
    journeys::runJourney(QStringLiteral("6-ranges-profiles"), [](Driver& d) {
      const QString oop = QStringLiteral("oop");
      d.click(QStringLiteral("heroNewSolveButton"));
      d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("AA, KK, AKs"));
      d.click(QStringLiteral("oopCustomTab"));
      saveRange(d, oop, QStringLiteral("Opening"));

      d.click(QStringLiteral("oopAddFolderButton"));
      d.type(d.item(QStringLiteral("addFolderNameField")), QStringLiteral("Folder A"), false);
      d.click(QStringLiteral("addFolderConfirm"));
      d.click(d.item(QStringLiteral("oopLibraryRow_Folder A")));
      d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("QQ, JJ"));
      saveRange(d, oop, QStringLiteral("Three-bet"));
      d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("TT, 99"));
      saveRange(d, oop, QStringLiteral("Call"));
      const QStringList inFolder = customNames(d, oop, QStringLiteral("Folder A"));
      if (inFolder != QStringList{QStringLiteral("Three-bet"), QStringLiteral("Call")})
        d.fail(QStringLiteral("the folder holds ") + inFolder.join(QLatin1String(", ")));
      d.shot(QStringLiteral("folder-with-two"));

      const QString folder = QDir::home().filePath(QStringLiteral("ranges"));
      QDir().mkpath(folder);
      QFile text(folder + QStringLiteral("/wide open.txt"));
      if (!text.open(QIODevice::WriteOnly) || text.write("AA, KK,\nAKs:0.25, T9s\n") <= 0)
        d.fail(QStringLiteral("could not write the range file"));
      text.close();
      // An import lands beside the selected row: pick one at the top level
      // (an open folder hides its siblings; a click closes it).
      d.click(d.item(QStringLiteral("oopLibraryRow_Folder A")));
      d.click(d.item(QStringLiteral("oopLibraryRow_Opening")));
      d.click(QStringLiteral("oopImportRangeButton"));
      chooseFile(d, QStringLiteral("Import Range"), folder, QStringLiteral("wide open.txt"));
      QQuickItem* importName = d.item(QStringLiteral("importRangeNameField"));
      if (Driver::text(importName) != QLatin1String("wide open"))
        d.fail(QStringLiteral("the import proposes ") + Driver::text(importName));
      d.click(QStringLiteral("importConfirm"));
      d.click(d.item(QStringLiteral("oopLibraryRow_wide open")));
      if (d.shell()->property("oopRangeText").toString() != QLatin1String("AA, KK, AKs:0.25, T9s"))
        d.fail(QStringLiteral("the imported range reads ") +
               d.shell()->property("oopRangeText").toString());
      d.shot(QStringLiteral("imported"));

      d.click(d.item(QStringLiteral("oopLibraryRow_Folder A")));
      d.click(QStringLiteral("oopDeleteSelectedButton"));
      d.click(QStringLiteral("confirmDeleteRangeButton"));
      const QStringList top = customNames(d, oop);
      if (top.contains(QStringLiteral("Folder A")) || !top.contains(QStringLiteral("Opening")) ||
          !top.contains(QStringLiteral("wide open")))
        d.fail(QStringLiteral("after the delete the library holds ") +
               top.join(QLatin1String(", ")));
      d.shot(QStringLiteral("folder-deleted"));

      d.type(d.item(QStringLiteral("startingPotField")), QStringLiteral("24"));
      d.click(QStringLiteral("saveProfileButton"));
      d.type(d.item(QStringLiteral("saveSettingsNameField")), QStringLiteral("Deep"), false);
      d.click(QStringLiteral("saveProfileConfirmButton"));
      d.type(d.item(QStringLiteral("startingPotField")), QStringLiteral("40"));
      d.click(QStringLiteral("loadProfileButton"));
      d.click(QStringLiteral("profileRow_Deep"));
      d.shot(QStringLiteral("load-profile"));
      d.click(QStringLiteral("loadProfileConfirmButton"));
      if (d.shell()->property("startingPot").toDouble() != 24.0)
        d.fail(QStringLiteral("the profile brought back a pot of ") +
               d.shell()->property("startingPot").toString());

      const QString holdem = d.shell()->property("oopRangeText").toString();
      switchVariant(d);
      d.type(d.item(QStringLiteral("oopRangeInput")), QStringLiteral("AA, KK, 99"));
      if (d.item(QStringLiteral("label"), d.item(QStringLiteral("variantButton")))
              ->property("truncated")
              .toBool())
        d.fail(QStringLiteral("the variant button's label is cut"));
      d.shot(QStringLiteral("short-deck"));
      switchVariant(d);
      if (d.shell()->property("oopRangeText").toString() != holdem)
        d.fail(QStringLiteral("hold'em's range came back as ") +
               d.shell()->property("oopRangeText").toString());
      switchVariant(d);
      if (d.shell()->property("oopRangeText").toString() != QLatin1String("AA, KK, 99"))
        d.fail(QStringLiteral("short deck's range came back as ") +
               d.shell()->property("oopRangeText").toString());
      switchVariant(d);

      d.restartProgram(QStringLiteral("libraryAndProfilesKept"));
    });
  }

  // A long solve stopped by the button and by Escape; an empty board; F5
  // from another page.
  void cancelEscapeAndShortcuts() {
    journeys::runJourney(QStringLiteral("7-cancel-escape-f5"), [](Driver& d) {
      d.click(QStringLiteral("quickAction_quickSolve"));
      openTab(d, 2);
      chooseThreads(d, QStringLiteral("2 threads"));
      AppController& controller = d.controller();

      d.click(QStringLiteral("startSolveButton"));
      d.waitUntil([&] { return controller.getRunning(); }, QStringLiteral("the solve to run"));
      d.shot(QStringLiteral("flop-running"));
      d.click(QStringLiteral("cancelSolveButton"));
      d.waitUntil([&] { return !controller.getRunning(); }, QStringLiteral("the solve to stop"),
                  60000);
      if (newestRunStatus(d) != QLatin1String("Cancelled"))
        d.fail(QStringLiteral("the cancelled run reads ") + newestRunStatus(d));
      d.shot(QStringLiteral("cancelled"));

      d.click(QStringLiteral("startSolveButton"));
      d.waitUntil([&] { return controller.getRunning(); },
                  QStringLiteral("the second solve to run"));
      d.settle(300);
      d.key(Qt::Key_Escape);
      d.waitUntil([&] { return !controller.getRunning(); }, QStringLiteral("Escape to stop it"),
                  60000);
      if (newestRunStatus(d) == QLatin1String("Completed"))
        d.fail(QStringLiteral("the run stopped by Escape reads Completed"));
      d.shot(QStringLiteral("escaped"));

      openTab(d, 1);
      d.click(QStringLiteral("slot0"), d.item(QStringLiteral("boardDisplay")));
      d.click(QStringLiteral("clearCardButton"));
      d.waitUntil([&] { return d.shell()->property("boardText").toString().isEmpty(); },
                  QStringLiteral("an empty board"));
      // Nothing to solve: the way to Start is shut, and F5 starts nothing.
      d.waitUntil(
          [&] {
            return !d.item(QStringLiteral("tab2"))->property("allowed").toBool() &&
                   !d.item(QStringLiteral("continueToSolveButton"))->isEnabled();
          },
          QStringLiteral("the solve page to close"));
      d.key(Qt::Key_F5);
      if (controller.getRunning() || d.shell()->property("navIndex").toInt() != 1)
        d.fail(QStringLiteral("F5 acted on an empty board"));
      d.shot(QStringLiteral("empty-board"));

      openTab(d, 1);
      pickBoard(d, kRiverBoard);
      openTab(d, 0);
      d.item(QStringLiteral("heroTitle"));
      d.waitUntil([&] { return d.shell()->property("canSolve").toBool(); },
                  QStringLiteral("the river spot to be ready"));
      d.key(Qt::Key_F5);
      d.item(QStringLiteral("solveHeader"));
      d.waitUntil([&] { return !controller.getRunning() && controller.getResultIterations() > 0; },
                  QStringLiteral("the F5 solve to finish"), 60000);
      d.shot(QStringLiteral("f5-solved"));
    });
  }

  // Appearance saved, kept over a restart, and reset; then German.
  void settingsKeptAndReset() {
    journeys::runJourney(QStringLiteral("8-settings"), [](Driver& d) {
      openTab(d, 4);
      d.click(QStringLiteral("darkModeSwitch"));
      d.click(QStringLiteral("accentSwatch_#58A6FF"));
      if (!themeIs(d, false, QStringLiteral("#58A6FF")))
        d.fail(QStringLiteral("light mode and the blue accent did not take"));
      d.shot(QStringLiteral("light-blue"));
      d.click(QStringLiteral("saveSettingsButton"));
      d.restartProgram(QStringLiteral("appearanceKeptThenReset"));
    });
  }
};

// Checks that run in the program started anew by a journey.
class AfterRestart : public QObject {
  Q_OBJECT

 private slots:
  void libraryAndProfilesKept() {
    journeys::runJourney(QStringLiteral("6-ranges-profiles-restarted"), [](Driver& d) {
      d.click(QStringLiteral("heroNewSolveButton"));
      d.click(QStringLiteral("oopCustomTab"));
      const QStringList top = customNames(d, QStringLiteral("oop"));
      if (top != QStringList{QStringLiteral("Opening"), QStringLiteral("wide open")})
        d.fail(QStringLiteral("the library holds ") + top.join(QLatin1String(", ")));
      d.item(QStringLiteral("oopLibraryRow_wide open"));
      d.click(QStringLiteral("loadProfileButton"));
      d.item(QStringLiteral("profileRow_Deep"));
      d.shot(QStringLiteral("library-and-profile"));
      d.key(Qt::Key_Escape);
    });
  }

  void appearanceKeptThenReset() {
    journeys::runJourney(QStringLiteral("8-settings-restarted"), [](Driver& d) {
      if (!themeIs(d, false, QStringLiteral("#58A6FF")))
        d.fail(QStringLiteral("the restart lost light mode or the blue accent"));
      d.shot(QStringLiteral("home-light-blue"));
      openTab(d, 4);
      d.click(QStringLiteral("resetDefaultsButton"));
      if (!theme(d)->property("dark").toBool() || theme(d)->property("useAccentOverride").toBool())
        d.fail(QStringLiteral("Reset to Defaults left the appearance as it was"));
      d.shot(QStringLiteral("reset"));

      // Deutsch: the page on screen and the top bar change language at once.
      d.click(QStringLiteral("languageComboBox"));
      d.click(d.itemWithText(QStringLiteral("Deutsch")));
      const auto german = [](const char* context, const char* english) {
        const QString text = QCoreApplication::translate(context, english);
        return text != QLatin1String(english) ? text : QString();
      };
      const QString save = german("SettingsPage", "Save Settings");
      const QString reset = german("SettingsPage", "Reset to Defaults");
      const QString tab = german("TopBar", "Settings");
      if (save.isEmpty() || reset.isEmpty() || tab.isEmpty())
        d.fail(QStringLiteral("no German catalogue in use"));
      d.waitUntil(
          [&] {
            return Driver::text(d.item(QStringLiteral("saveSettingsButton"))) == save &&
                   Driver::text(d.item(QStringLiteral("resetDefaultsButton"))) == reset;
          },
          QStringLiteral("the settings page in German"));
      d.itemWithText(tab, d.item(QStringLiteral("tab4")));
      d.shot(QStringLiteral("deutsch"));
    });
  }
};

int main(int argc, char** argv) {
  // As the program runs without logging: only warnings and errors print.
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n"));
  QQuickStyle::setStyle(QStringLiteral("Basic"));
  QApplication app(argc, argv);
  halvory_shell::setApplicationIdentity();
  const QByteArray restarted = qgetenv(journeys::kRestartedVariable);
  if (!restarted.isEmpty()) {
    AfterRestart checks;
    char* arguments[] = {argv[0], const_cast<char*>(restarted.constData())};
    return QTest::qExec(&checks, 2, arguments);
  }
  WindowJourneys journeys;
  return QTest::qExec(&journeys, argc, argv);
}

#include "window_journeys_test.moc"
