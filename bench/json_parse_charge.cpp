// What Qt's JSON parser takes for texts of many shapes against what the
// open charges for them before the parse: for each shape a text of about
// SIZE MiB (default 32) is parsed in a process of its own, and the growth of
// its address space at the peak is set against the charge. Every ratio must
// stay below 1 (the program fails otherwise). Also times the pass that
// counts the text (median of five), in MiB/s.
//
//   json_parse_charge [SIZE_MIB]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>

#include "controller/json_parse_cost.hpp"

namespace {

struct Shape {
  const char* name;
  QByteArray item;  // repeated as a list's elements
  QByteArray open = "[";
  QByteArray close = "]";
  bool single = false;  // the item once, as the whole member
};

std::uint64_t statusField(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  const QByteArray prefix = QByteArray(key) + ':';
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith(prefix)) continue;
    return line.mid(prefix.size()).trimmed().split(' ').value(0).toULongLong() * 1024;
  }
  return 0;
}

QByteArray textOf(const Shape& shape, std::uint64_t bytes) {
  const std::uint64_t count =
      std::max<std::uint64_t>(1, bytes / std::uint64_t(shape.item.size() + 1));
  QByteArray text = "{\"format\":\"halvory_project\",\"list\":" + shape.open;
  text.reserve(qsizetype(count * std::uint64_t(shape.item.size() + 1) + 64));
  for (std::uint64_t i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += shape.item;
  }
  text += shape.close + '}';
  return text;
}

// In a child of its own: the address space the parse added at its peak.
std::uint64_t parsePeak(const QByteArray& text) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return 0;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const std::uint64_t before = statusField("VmSize");
    const QJsonDocument document = QJsonDocument::fromJson(text);
    const std::uint64_t peak = document.isNull() ? 0 : statusField("VmPeak") - before;
    (void)!write(pipeEnds[1], &peak, sizeof peak);
    _exit(0);
  }
  close(pipeEnds[1]);
  std::uint64_t peak = 0;
  if (child < 0 || read(pipeEnds[0], &peak, sizeof peak) != sizeof peak) peak = 0;
  close(pipeEnds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return peak;
}

double countRate(const QByteArray& text) {
  std::vector<double> seconds;
  for (int round = 0; round < 5; ++round) {
    const auto start = std::chrono::steady_clock::now();
    const halvory_app::JsonTextCounts counts = halvory_app::countJsonText(text);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (counts.elements == 0) return 0;
    seconds.push_back(took.count());
  }
  std::sort(seconds.begin(), seconds.end());
  return double(text.size()) / double(1 << 20) / seconds[2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t sizeMiB = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 32;
  if (sizeMiB == 0) {
    std::fprintf(stderr, "usage: json_parse_charge [SIZE_MIB]\n");
    return 2;
  }
  const std::uint64_t bytes = sizeMiB << 20;
  const QByteArray longText = '"' + QByteArray(4094, 'a') + '"';
  const QByteArray longEscaped = "\"\\n" + QByteArray(4093, 'a') + '"';
  const std::vector<Shape> shapes{
      {"[[[]]]", "[[[]]]"},
      {"[0]", "[0]"},
      {"[[]]", "[[]]"},
      {"{\"a\":0}", "{\"a\":0}"},
      {"[[0]]", "[[0]]"},
      {"[[[[[[0]]]]]]", "[[[[[[0]]]]]]"},
      {"[0 x17]", "[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"},
      {"0", "0"},
      {"\"\\n\"", "\"\\n\""},
      {"\"k\":\"v\"", "\"k\":\"v\"", "{", "}"},
      {"long texts", longText},
      {"long escaped texts", longEscaped},
      {"one long text", QByteArray(qsizetype(bytes), 'a'), "\"", "\"", true},
      {"one long escaped text", "\\n" + QByteArray(qsizetype(bytes), 'a'), "\"", "\"", true},
  };
  std::printf("%-22s %9s %9s %9s %7s %9s\n", "shape", "MiB", "peak/B", "charge/B", "ratio",
              "count MiB/s");
  double worst = 0;
  for (const Shape& shape : shapes) {
    const QByteArray text = shape.single
                                ? "{\"list\":" + shape.open + shape.item + shape.close + '}'
                                : textOf(shape, bytes);
    const std::uint64_t peak = parsePeak(text);
    const std::uint64_t charge = halvory_app::jsonParseCost(text);
    if (peak == 0 || charge == 0) {
      std::printf("%-22s not parsed\n", shape.name);
      return 1;
    }
    const double size = double(text.size());
    const double ratio = double(peak) / double(charge);
    worst = std::max(worst, ratio);
    std::printf("%-22s %9.1f %9.2f %9.2f %7.3f %9.0f\n", shape.name, size / double(1 << 20),
                double(peak) / size, double(charge) / size, ratio, countRate(text));
  }
  std::printf("largest parse peak / charge: %.3f\n", worst);
  return worst < 1.0 ? 0 : 1;
}
