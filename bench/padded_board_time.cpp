// How long a board text padded with blanks takes to be refused: a project
// file whose board is followed by 1 MB and by 5 MB of blanks, read as the
// home page opens it, and a solve-configuration map carrying such a board,
// checked as a start checks it. Both are refused by the text's length
// before it is read, so each time is that of a short board.
//
// Usage: padded_board_time [repeats]

#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QVariantMap>

#include "controller/project_file.hpp"
#include "controller/solve_config_map.hpp"

namespace {

QString paddedBoard(qsizetype blanks) {
  return QStringLiteral("Ks7d2c") + QString(blanks, u' ');
}

QByteArray projectWithBoard(const QString& board) {
  QJsonObject project{{QStringLiteral("boardText"), board}};
  QJsonObject file{{QStringLiteral("format"), QStringLiteral("halvory_project")},
                   {QStringLiteral("version"), 1},
                   {QStringLiteral("hasResults"), false},
                   {QStringLiteral("project"), project}};
  return QJsonDocument(file).toJson(QJsonDocument::Compact);
}

double millisecondsOf(int repeats, const auto& work) {
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < repeats; ++i) work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6 / repeats;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::printf("%-10s %14s %14s\n", "blanks", "project (ms)", "map (ms)");
  for (const qsizetype blanks : {qsizetype{0}, qsizetype{1} << 20, qsizetype{5} << 20}) {
    const QByteArray document = projectWithBoard(paddedBoard(blanks));
    QVariantMap map{{QStringLiteral("board"), paddedBoard(blanks)},
                    {QStringLiteral("starting_street"), QStringLiteral("flop")}};
    bool refused = true;
    const double project = millisecondsOf(repeats, [&] {
      refused = refused && (blanks == 0) == (halvory_app::readProjectDocument(document).error ==
                                             halvory_app::ProjectFileError::None);
    });
    const double check = millisecondsOf(repeats, [&] {
      const halvory_app::SolveConfig config = halvory_app::buildSolveConfigFromMap(map, 1);
      (void)halvory_app::solveInputProblem(map, config);
    });
    std::printf("%-10lld %14.3f %14.3f%s\n", static_cast<long long>(blanks), project, check,
                refused ? "" : "  (not refused)");
  }
  return 0;
}
