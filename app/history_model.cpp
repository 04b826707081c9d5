#include "history_model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <climits>
#include <cmath>
#include <limits>

#include "convention_texts.h"
#include "data_script.h"
#include "pipeline/entry_of_casting.h"
#include "qt_text/gbk_qt.h"
#include "reading/hexagram_names.h"

namespace {

constexpr int kBatch = 50;  // a few screenfuls

// A corrected casting's time says what it was cast from: the moment, and
// the place true solar time was reckoned at (`place` its name as shown).
// Empty for a casting cast from its clock reading.
QString CorrectionText(const journal::JournalEntry& entry, const QString& place) {
    if (!entry.castFrom) return {};
    QString text = HistoryModel::tr("起卦时刻：%1").arg(QString::fromStdString(*entry.castFrom));
    QString at = place;
    if (at.isEmpty() && entry.longitude) {
        const double degrees = std::fabs(*entry.longitude);
        at = *entry.longitude < 0 ? HistoryModel::tr("西经%1°").arg(degrees) : HistoryModel::tr("东经%1°").arg(degrees);
    }
    if (!at.isEmpty()) text += QLatin1Char('\n') + HistoryModel::tr("真太阳时：%1").arg(at);
    return text;
}

// A casting reckoned away from the default conventions is marked in its
// time, which its tooltip names.
const QString kConventionsMark = QStringLiteral(" ※");

}  // namespace

const HistoryModel::Shown& HistoryModel::HexagramShown(const std::string& name) const {
    const auto known = hexagramsShown_.find(name);
    if (known != hexagramsShown_.end()) return known->second;
    Shown shown{ShownDataText(QString::fromStdString(name)), {}};
    if (NameGlossShown() == reading::NameGloss::PinyinAndEnglish) {
        // 蛊 gǔ fits the column; the tooltip gives the English name.
        if (const auto trigrams = reading::TrigramsOfHexagram(GbkFromQString(shown.text))) {
            const reading::NameForms forms = reading::HexagramNameForms(trigrams->upper, trigrams->lower);
            const QString pinyin = QStringFromGbk(forms.pinyin);
            shown.text = QStringFromGbk(forms.chinese) + QLatin1Char(' ') + pinyin;
            shown.tip = pinyin.left(1).toUpper() + pinyin.mid(1) + QStringLiteral(" · ") + QStringFromGbk(forms.english);
        }
    }
    return hexagramsShown_.emplace(name, std::move(shown)).first->second;
}

QString HistoryModel::MethodShown(const std::string& method) const {
    // The engine's names of its methods, in the words of a window that
    // does not read Chinese; under Chinese they are shown as data.
    static constexpr const char* kMethods[] = {
        QT_TRANSLATE_NOOP("MethodName", "传统起卦"),         QT_TRANSLATE_NOOP("MethodName", "时分起卦"),
        QT_TRANSLATE_NOOP("MethodName", "日期天干数起卦"),   QT_TRANSLATE_NOOP("MethodName", "日期地支数起卦"),
        QT_TRANSLATE_NOOP("MethodName", "问话字的笔画数起卦"), QT_TRANSLATE_NOOP("MethodName", "单字笔画数起卦"),
        QT_TRANSLATE_NOOP("MethodName", "姓名笔画数起卦"),   QT_TRANSLATE_NOOP("MethodName", "手工指定起卦"),
        QT_TRANSLATE_NOOP("MethodName", "数字起卦")};
    if (QLocale().language() != QLocale::Chinese) {
        for (const char* known : kMethods) {
            if (method == known) return QCoreApplication::translate("MethodName", known);
        }
    }
    return TextShown(method);
}

const QString& HistoryModel::TextShown(const std::string& text) const {
    const auto known = textsShown_.find(text);
    if (known != textsShown_.end()) return known->second;
    return textsShown_.emplace(text, ShownDataText(QString::fromStdString(text))).first->second;
}

QString HistoryModel::TimeTip(const journal::JournalEntry& entry) const {
    QStringList tip;
    const QString place = entry.placeName ? TextShown(*entry.placeName) : QString();
    if (const QString corrections = CorrectionText(entry, place); !corrections.isEmpty()) tip.append(corrections);
    if (entry.AwayFromDefaults()) {
        tip.append(ConventionsText(pipeline::ConventionsOf(entry)));
    }
    return tip.join('\n');
}

QString HistoryModel::CastTime(const journal::JournalEntry& entry) {
    return QDateTime::fromSecsSinceEpoch(entry.castAt).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

HistoryModel::HistoryModel(journal::CastingJournal& journal, QObject* parent)
    : QAbstractTableModel(parent), journal_(journal) {}

void HistoryModel::Search(const QString& query) {
    query_ = query.toStdString();
    Reload();
}

void HistoryModel::Reload() {
    beginResetModel();
    rows_.clear();
    indexed_.reset();
    found_.clear();
    next_.reset();
    listEnded_ = false;
    try {
        if (!query_.empty()) indexed_ = journal_.FindThroughIndex(query_);
        if (!query_.empty() && !indexed_) found_ = journal_.Find(query_, order_);
    } catch (const journal::JournalError& error) {
        emit readFailed(QString::fromUtf8(error.what()));
    }
    endResetModel();
    fetchMore();
}

void HistoryModel::Fetch(std::int64_t count) {
    const auto from = static_cast<std::int64_t>(rows_.size());
    if (!canFetchMore()) return;
    std::vector<journal::JournalEntry> more;
    try {
        if (Paged()) {
            // After the last row read, not at a count of rows: SQLite finds
            // the place at once, where an offset walks every row before it.
            more = journal_.List(next_, static_cast<int>(std::min<std::int64_t>(count, INT_MAX)), order_,
                                 indexed_ ? &*indexed_ : nullptr);
            if (!more.empty()) next_ = journal::CastingJournal::PlaceAfter(more.back(), order_.key);
            listEnded_ = static_cast<std::int64_t>(more.size()) < count;
        } else {
            for (std::size_t i = rows_.size(); i < found_.size() && static_cast<std::int64_t>(more.size()) < count;) {
                if (auto entry = journal_.Get(found_[i])) {
                    more.push_back(std::move(*entry));
                    ++i;
                } else {  // deleted since the search
                    found_.erase(found_.begin() + static_cast<std::ptrdiff_t>(i));
                }
            }
        }
    } catch (const journal::JournalError& error) {
        // The list ends where the read stopped.
        listEnded_ = true;
        found_.resize(rows_.size() + more.size());
        emit readFailed(QString::fromUtf8(error.what()));
    }
    if (more.empty()) return;
    beginInsertRows({}, static_cast<int>(from), static_cast<int>(from + std::ssize(more) - 1));
    std::move(more.begin(), more.end(), std::back_inserter(rows_));
    endInsertRows();
}

const std::vector<journal::JournalEntry>& HistoryModel::AllEntries() {
    Fetch(std::numeric_limits<std::int64_t>::max());
    return rows_;
}

void HistoryModel::sort(int column, Qt::SortOrder order) {
    static constexpr journal::SortKey kKeys[ColumnCount] = {
        journal::SortKey::Time,     journal::SortKey::Name,      journal::SortKey::Method,
        journal::SortKey::Question, journal::SortKey::Hexagrams, journal::SortKey::Note};
    if (column < 0 || column >= ColumnCount) return;
    order_ = {kKeys[column], order == Qt::AscendingOrder};
    Reload();
}

void HistoryModel::ChangeNote(int row, std::string note) { rows_[row].note = std::move(note); }

void HistoryModel::RetranslateHeadings() { emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1); }

void HistoryModel::ShowDataTexts() {
    hexagramsShown_.clear();
    textsShown_.clear();
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void HistoryModel::ForgetRow(int row) {
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    if (!Paged()) found_.erase(found_.begin() + row);
    endRemoveRows();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const journal::JournalEntry& entry = rows_[index.row()];
    if (role == Qt::ToolTipRole && index.column() == Time) {
        const QString tip = TimeTip(entry);
        return tip.isEmpty() ? QVariant() : tip;
    }
    const bool hexagrams = index.column() == Hexagrams;
    if (role == Qt::ToolTipRole && hexagrams) {
        const QString primary = HexagramShown(entry.hexagrams[journal::Primary]).tip;
        return primary.isEmpty() ? QVariant() : primary + QStringLiteral("\n→ ") + HexagramShown(entry.hexagrams[journal::Changed]).tip;
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case Time:
            return CastTime(entry) + (entry.AwayFromDefaults() ? kConventionsMark : QString());
        case Name: return QString::fromStdString(entry.name);
        case Method: return MethodShown(entry.method);
        case Question: return QString::fromStdString(entry.question);
        case Note: return QString::fromStdString(entry.note);
        case Hexagrams:
            return HexagramShown(entry.hexagrams[journal::Primary]).text + QStringLiteral(" → ") +
                   HexagramShown(entry.hexagrams[journal::Changed]).text;
        default: return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kHeadings[ColumnCount] = {QT_TR_NOOP("时间"),     QT_TR_NOOP("姓名"),
                                                       QT_TR_NOOP("起卦方式"), QT_TR_NOOP("问话"),
                                                       QT_TR_NOOP("本卦 → 变卦"), QT_TR_NOOP("备注")};
    return tr(kHeadings[section]);
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && (Paged() ? !listEnded_ : rows_.size() < found_.size());
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid()) Fetch(kBatch);
}
