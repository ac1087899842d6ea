// The solve-configuration map: UI values (chips, typed texts) into a solve
// request in engine units, and the readiness checks applied before a start.

#include "controller/app_controller.hpp"

#include <algorithm>
#include <cmath>

using halvory_app::NodeLockRequest;
using halvory_app::SizingConfig;
using halvory_app::SolveConfig;

namespace {

constexpr double kMaxChips = 21474836.46;
const QString kHoldemRanks = QStringLiteral("AKQJT98765432");
const QString kShortDeckRanks = QStringLiteral("AKQJT9876");

QString textOf(const QVariantMap& cfg, const QString& key, const QString& fallback = QString()) {
    const auto it = cfg.constFind(key);
    return it == cfg.constEnd() ? fallback : it->toString();
}

double numberOf(const QVariantMap& cfg, const QString& key, double fallback) {
    const auto it = cfg.constFind(key);
    return it == cfg.constEnd() ? fallback : it->toDouble();
}

unsigned unsignedOf(const QVariantMap& cfg, const QString& key, unsigned fallback) {
    const auto it = cfg.constFind(key);
    return it == cfg.constEnd() ? fallback : it->toUInt();
}

bool flagOf(const QVariantMap& cfg, const QString& key) {
    const auto it = cfg.constFind(key);
    return it != cfg.constEnd() && it->toBool();
}

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

// "70, 20,10" -> 7000, 2000, 1000; parts that are not whole numbers are skipped.
std::vector<std::int32_t> chipList(const QString& raw) {
    std::vector<std::int32_t> out;
    const QString text = raw.trimmed();
    if (text.isEmpty()) return out;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString digits = part.trimmed();
        bool ok = false;
        const int value = digits.toInt(&ok, 10);
        if (!ok) continue;
        const double chips = std::clamp(static_cast<double>(value), 0.0, kMaxChips);
        out.push_back(static_cast<std::int32_t>(std::llround(chips * 100.0)));
    }
    return out;
}

float targetHundredths(double chips) {
    if (!std::isfinite(chips)) chips = 0.001;
    else if (chips < 0.0) chips = 0.0;
    else chips = std::min(chips, kMaxChips);
    return static_cast<float>(chips * 100.0);
}

}  // namespace

std::int32_t AppController::amountToCents(double chips, std::int32_t fallbackCents) {
    const double cents = amountToCentsReal(chips, fallbackCents);
    // llround rounds halves away from zero; the clamp keeps it in range.
    return static_cast<std::int32_t>(std::min<long long>(std::llround(cents), 2147483646LL));
}

double AppController::amountToCentsReal(double chips, std::int32_t fallbackCents) {
    if (!std::isfinite(chips)) chips = fallbackCents / 100.0;
    return std::clamp(chips, 0.0, kMaxChips) * 100.0;
}

void AppController::readStreetSizing(const QVariantMap& cfg, const QString& prefix, SizingConfig& out) {
    out.bet_sizes = utf8(textOf(cfg, prefix + QStringLiteral("_bet_sizes")));
    out.raise_sizes = utf8(textOf(cfg, prefix + QStringLiteral("_raise_sizes")));
    out.add_all_in = flagOf(cfg, prefix + QStringLiteral("_add_all_in"));
    out.dont_donk = flagOf(cfg, prefix + QStringLiteral("_dont_donk"));
}

QString AppController::normalizeBoardText(const QString& rankAlphabet, const QString& text) {
    QString compact = text.simplified();
    compact.remove(u' ');
    QString out;
    for (qsizetype i = 0; i + 1 < compact.size(); i += 2) {
        const QChar rank = compact[i].toUpper();
        const QChar suit = compact[i + 1].toLower();
        if (rankAlphabet.contains(rank) && QStringLiteral("shdc").contains(suit)) {
            out.append(rank);
            out.append(suit);
        }
    }
    return out;
}

QString AppController::rankAlphabetFor(const QVariantMap& cfg) {
    const QString variant = textOf(cfg, QStringLiteral("variant"), QStringLiteral("holdem")).trimmed().toLower();
    return variant == QStringLiteral("shortdeck") ? kShortDeckRanks : kHoldemRanks;
}

bool AppController::rangeHasRankPair(const QString& rankAlphabet, const QString& rangeText) {
    const QString text = rangeText.trimmed();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (rankAlphabet.contains(text[i].toUpper()) && rankAlphabet.contains(text[i + 1].toUpper())) return true;
    }
    return false;
}

bool AppController::cfgTextNonBlank(const QVariantMap& cfg, const QString& key) {
    return !textOf(cfg, key).trimmed().isEmpty();
}

SolveConfig AppController::buildSolveConfigFromMap(const QVariantMap& cfg, int processorCount) {
    SolveConfig out;
    out.variant = utf8(textOf(cfg, QStringLiteral("variant"), QStringLiteral("holdem")).trimmed().toLower());
    out.board = utf8(normalizeBoardText(rankAlphabetFor(cfg), textOf(cfg, QStringLiteral("board"))));
    out.starting_pot = amountToCents(numberOf(cfg, QStringLiteral("starting_pot"), 100.0), 10000);
    out.effective_stack = amountToCents(numberOf(cfg, QStringLiteral("effective_stack"), 100.0), 10000);
    out.rake_percent = numberOf(cfg, QStringLiteral("rake_percent"), 0.0);
    out.rake_cap = amountToCentsReal(numberOf(cfg, QStringLiteral("rake_cap"), 0.0), 0);
    out.starting_street = utf8(textOf(cfg, QStringLiteral("starting_street"), QStringLiteral("flop")));
    const QString utility =
        textOf(cfg, QStringLiteral("utility_model"), QStringLiteral("cash")).trimmed().toLower();
    out.utility_model = utility == QStringLiteral("icm") ? "icm" : "cash";
    out.oop_stack = amountToCents(numberOf(cfg, QStringLiteral("oop_stack"), 0.0), 10000);
    out.ip_stack = amountToCents(numberOf(cfg, QStringLiteral("ip_stack"), 0.0), 10000);
    out.icm_payouts = chipList(textOf(cfg, QStringLiteral("icm_payouts")));
    out.icm_other_stacks = chipList(textOf(cfg, QStringLiteral("icm_other_stacks")));
    out.max_iterations = unsignedOf(cfg, QStringLiteral("max_iterations"), 2000);
    out.target_exploitability = targetHundredths(numberOf(cfg, QStringLiteral("target_exploitability"), 0.1));
    // A map (or project file) asking for more threads than the machine has
    // must not start them.
    const std::uint64_t requestedThreads = unsignedOf(cfg, QStringLiteral("thread_count"), 1);
    const std::uint64_t maxThreads = static_cast<std::uint64_t>(std::max(1, processorCount));
    out.thread_count = std::clamp<std::uint64_t>(requestedThreads, 1, maxThreads);
    out.oop_range = utf8(textOf(cfg, QStringLiteral("oop_range")));
    out.ip_range = utf8(textOf(cfg, QStringLiteral("ip_range")));
    readStreetSizing(cfg, QStringLiteral("oop_flop"), out.oop_flop);
    readStreetSizing(cfg, QStringLiteral("oop_turn"), out.oop_turn);
    readStreetSizing(cfg, QStringLiteral("oop_river"), out.oop_river);
    readStreetSizing(cfg, QStringLiteral("ip_flop"), out.ip_flop);
    readStreetSizing(cfg, QStringLiteral("ip_turn"), out.ip_turn);
    readStreetSizing(cfg, QStringLiteral("ip_river"), out.ip_river);
    out.oop_add_all_in_jam_threshold_enabled = flagOf(cfg, QStringLiteral("oop_add_all_in_jam_threshold_enabled"));
    if (out.oop_add_all_in_jam_threshold_enabled)
        out.oop_add_all_in_jam_threshold_pct = numberOf(cfg, QStringLiteral("oop_add_all_in_jam_threshold_pct"), 0.0);
    out.ip_add_all_in_jam_threshold_enabled = flagOf(cfg, QStringLiteral("ip_add_all_in_jam_threshold_enabled"));
    if (out.ip_add_all_in_jam_threshold_enabled)
        out.ip_add_all_in_jam_threshold_pct = numberOf(cfg, QStringLiteral("ip_add_all_in_jam_threshold_pct"), 0.0);
    return out;
}

SolveConfig AppController::buildSolveConfig(const QVariantMap& cfg, bool applyNodeLocks) const {
    SolveConfig out = buildSolveConfigFromMap(cfg, systemThreadCount);
    if (!applyNodeLocks) return out;
    for (auto node = nodeLockTable.constBegin(); node != nodeLockTable.constEnd(); ++node) {
        if (node.key() < 0 || node->isEmpty()) continue;
        for (auto hand = node->constBegin(); hand != node->constEnd(); ++hand) {
            const NodeLockEntry& entry = hand.value();
            NodeLockRequest request;
            request.node_index = static_cast<std::uint64_t>(node.key());
            request.hand = hand.key().toStdString();
            if (!entry.actionProbs.empty()) {
                request.action_index = 0;
                request.action_prob = 1.0f;
                request.action_probs = entry.actionProbs;
            } else {
                if (entry.actionIndex < 0) continue;
                request.action_index = entry.actionIndex;
                request.action_prob = static_cast<float>(std::clamp(entry.actionProb, 0.0, 1.0));
            }
            out.node_locks.push_back(std::move(request));
        }
    }
    return out;
}
