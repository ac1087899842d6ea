// Solve control: the memory estimate requests, worked out on the estimate
// runner's thread, and their answers. Its words belong to the controller's
// translation context, as the rest of the solve control's do.

#include "controller/solve_control.hpp"

#include <exception>
#include <new>
#include <utility>

#include <QCoreApplication>
#include <QMetaObject>

#include "controller/refusal_words.hpp"
#include "controller/solve_config_map.hpp"
#include "controller/ui_values.hpp"
#include "session/request_conversion.hpp"
#include "session/solve_session.hpp"

using halvory_app::buildSolveConfigFromMap;
using halvory_app::formatGigabytes;
using halvory_app::startProblem;

using halvory_app::SolveConfig;

namespace {

std::function<QString()> noMemoryToEstimate() {
  return [] {
    return QCoreApplication::translate("AppController", "Not enough memory to estimate this solve");
  };
}

}  // namespace

std::uint64_t SolveControl::requiredMemoryBytes(const halvory_app::MemoryEstimate& estimate) {
  // Measured through the controller (bench/project_file_check, 2,000 nodes
  // read): each answer is built as the page reads it, a map of a dozen
  // values per hand, before it is kept compactly; the GUI thread and the two
  // read-ahead threads each build such answers, and each thread's heap
  // keeps room for the largest it built. Their threads and queries have a
  // fixed part. They come after the solve, beside what the results keep.
  constexpr std::uint64_t kResultReadsFixedBytes = std::uint64_t{4} << 20;
  constexpr std::uint64_t kResultReadsBytesPerHand = 18432;
  const std::uint64_t hands = estimate.oop_hands + estimate.ip_hands;
  // Beside them, the nodes the user reads are kept within their budget.
  return halvory_app::peak_with_reads(
      estimate, kResultReadsFixedBytes + hands * kResultReadsBytesPerHand +
                    halvory_app::browse_budget_bytes(estimate.oop_hands, estimate.ip_hands));
}

namespace {

// The request with what does not change its memory need left at the
// defaults: the iteration limit, the target, the threads and the locks.
SolveConfig memorySpot(SolveConfig config) {
  const SolveConfig defaults;
  config.max_iterations = defaults.max_iterations;
  config.target_exploitability = defaults.target_exploitability;
  config.thread_count = defaults.thread_count;
  config.node_locks.clear();
  return config;
}

}  // namespace

void SolveControl::requestMemoryEstimate(QVariantMap cfg) {
  const std::uint64_t generation = ++estimateGeneration;
  if (!estimateWaiting) {
    estimateWaiting = true;
    emit estimatePendingChanged();
  }
  try {
    estimateRunner.submit(
        [request = EstimateRequest{this, generation, std::move(cfg), processorCount}](
            halvory::CancelFlag cancel) { solveMemoryEstimateWorker(request, cancel); });
  } catch (const std::bad_alloc&) {
    acceptMemoryEstimate(generation, 0, formatGigabytes(0), noMemoryToEstimate());
  } catch (const std::exception& error) {
    // No thread: answer at once rather than throwing into the UI.
    acceptMemoryEstimate(generation, 0, formatGigabytes(0), QString::fromUtf8(error.what()));
  }
}

namespace {

// "Not ready: " and what the solve's reading of the request refused, in the
// language in force.
std::function<QString()> notReadyWords(const halvory::Refusal& refusal, const QString& message) {
  return [refusal, message] {
    return QCoreApplication::translate("AppController", "Not ready: %1")
        .arg(refusal.empty() ? message : halvory_app::wordRefusal(refusal));
  };
}

}  // namespace

void SolveControl::estimateFailed(halvory_app::CallFailure failure, const QString& what) {
  acceptMemoryEstimate(estimateGeneration.load(), 0, formatGigabytes(0),
                       failure == halvory_app::CallFailure::NoMemory ? noMemoryToEstimate()
                                                                     : notReadyWords({}, what));
}

SolveControl::SpotMeasure SolveControl::measureSpot(const SolveConfig& config, int threads,
                                                    halvory::CancelFlag cancel) {
  SpotMeasure out;
  try {
    // The solve's own reading of the request first (sizings and ICM
    // entries, each refusal naming its field), then the measure.
    (void)halvory_app::convert_request(config, halvory_app::ConversionPurpose::solve);
    std::string message;
    halvory::Refusal refusal;
    const auto estimate = halvory_app::estimate_solve_memory(config, &message, cancel, &refusal);
    if (estimate.has_value() && estimate->total_bytes != 0) {
      out.bytes = requiredMemoryBytes(halvory_app::with_solve_threads(
          *estimate, static_cast<std::uint64_t>(std::max(threads, 1))));
    } else {
      if (message.empty()) message = "the memory need could not be measured";
      out.refusal = notReadyWords(refusal, QString::fromUtf8(message));
    }
  } catch (const std::bad_alloc&) {
    // Not a refusal of the spot: each caller words it as its own failure.
    throw;
  } catch (const std::exception& failure) {
    out.refusal = notReadyWords(halvory::refusal_of(failure), QString::fromUtf8(failure.what()));
  } catch (...) {
    out.refusal = notReadyWords({}, QStringLiteral("Unknown error"));
  }
  return out;
}

SolveControl::SpotMeasure SolveControl::measureFor(const SolveConfig& config) const {
  if (estimatedSpot && *estimatedSpot == memorySpot(config)) {
    // The published answer is this spot's: its figure, or its refusal.
    if (estimateWords) return {0, estimateWords};
    if (requiredBytes > 0) return {requiredBytes, {}};
  }
  return measureSpot(config, processorCount, halvory::CancelFlag{});
}

void SolveControl::solveMemoryEstimateWorker(const EstimateRequest& request,
                                             halvory::CancelFlag cancel) {
  std::uint64_t bytes = 0;
  // Why the spot cannot be solved, worded anew whenever the language changes.
  std::function<QString()> words;
  std::optional<SolveConfig> spot;
  try {
    const SolveConfig& config =
        spot.emplace(buildSolveConfigFromMap(request.cfg, request.processorCount));
    if (!startProblem(request.cfg, config).isEmpty()) {
      words = [cfg = request.cfg, config] { return startProblem(cfg, config); };
    } else {
      const SpotMeasure measured = measureSpot(config, request.processorCount, cancel);
      bytes = measured.bytes;
      words = measured.refusal;
    }
  } catch (const std::bad_alloc&) {
    words = noMemoryToEstimate();
  } catch (const std::exception& failure) {
    words = notReadyWords(halvory::refusal_of(failure), QString::fromUtf8(failure.what()));
  } catch (...) {
    words = notReadyWords({}, QStringLiteral("Unknown error"));
  }
  // A newer request (or the controller's end) cancelled this one: its
  // answer would be dropped anyway.
  if (halvory::cancel_requested(cancel)) return;
  SolveControl* control = request.control;
  const std::uint64_t generation = request.generation;
  // The estimate thread is stopped before this object is destroyed, so the
  // address is valid here; the queued call is dropped if it dies first.
  const auto post = [control, generation](std::uint64_t answerBytes,
                                          std::function<QString()> answerWords,
                                          std::optional<SolveConfig> answerSpot) {
    QMetaObject::invokeMethod(
        control,
        [control, generation, answerBytes, text = formatGigabytes(answerBytes),
         answerWords = std::move(answerWords), answerSpot = std::move(answerSpot)]() {
          control->acceptMemoryEstimate(generation, answerBytes, text, answerWords, answerSpot);
        },
        Qt::QueuedConnection);
  };
  try {
    post(bytes, std::move(words), std::move(spot));
  } catch (const std::exception&) {
    // The answer found no memory to travel in: a short one, so that the
    // page does not wait for an answer that never comes.
    try {
      post(0, noMemoryToEstimate(), std::nullopt);
    } catch (const std::exception&) {
      // The next request is answered as usual.
    }
  }
}

void SolveControl::acceptMemoryEstimate(std::uint64_t generation, std::uint64_t bytes,
                                        const QString& text, const QString& error,
                                        std::optional<SolveConfig> spot) {
  acceptMemoryEstimate(
      generation, bytes, text,
      error.isEmpty() ? std::function<QString()>() : [error] { return error; }, std::move(spot));
}

void SolveControl::acceptMemoryEstimate(std::uint64_t generation, std::uint64_t bytes,
                                        const QString& text, std::function<QString()> words,
                                        std::optional<SolveConfig> spot) {
  if (generation != estimateGeneration.load()) return;
  // What needs memory is made first: the spot, the figures and the words
  // then change together. When the memory runs out here, the request is
  // answered as unmeasured (no figure, for no spot), so that nothing waits
  // for it, in words of a want of memory if those can still be made.
  std::uint64_t figure = bytes;
  QString figureText = text;
  std::optional<SolveConfig> measured;
  QString error;
  try {
    if (spot) measured = memorySpot(std::move(*spot));
    error = words ? words() : QString();
  } catch (const std::exception&) {
    figure = 0;
    figureText = formatGigabytes(0);
    measured.reset();
    words = noMemoryToEstimate();
    try {
      error = words();
    } catch (const std::exception&) {
      error.clear();
    }
  }
  estimatedSpot = std::move(measured);
  estimateWords = std::move(words);
  // The figures first: while the estimate still counts as pending, nothing
  // reads them as this spot's.
  if (figure != requiredBytes || figureText != requiredText || error != estimateProblem) {
    requiredBytes = figure;
    requiredText = figureText;
    estimateProblem = error;
    emit requiredMemoryChanged();
  }
  if (estimateWaiting) {
    estimateWaiting = false;
    emit estimatePendingChanged();
  }
  emit memoryEstimated(figure, error);
}
