#include "cards/card_table_model.h"

#include "cards/card_texts.h"
#include "cards/level_pictures.h"
#include "cards/overview_filter.h"
#include "resources/string_table.h"
#include "store/card.h"
#include "ui/text_codec.h"

namespace {

QVariant cellText(const Card& card, int column) {
    switch (column) {
    case QuestionColumn:
        return ui::fromStored(card.question());
    case AnswerColumn:
        return ui::fromStored(card.answer());
    case InfoColumn:
        return ui::fromStored(card.additionalInfo());
    case LessonColumn:
        return ui::fromStored(card.lesson());
    case IdColumn:
        return QString::number(card.id);
    case LevelColumn:
        return QString::number(card.level);
    default:
        return {};
    }
}

// Texts read from the left; numbers line up at the right.
Qt::Alignment columnAlignment(int column) {
    const bool number = column == IdColumn || column == LevelColumn;
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

void CardTableModel::setCards(std::vector<Card*> cards) {
    beginResetModel();
    cards_ = std::move(cards);
    endResetModel();
}

Card* CardTableModel::cardAt(int row) const {
    if (row < 0 || row >= static_cast<int>(cards_.size()))
        return nullptr;
    return cards_[static_cast<std::size_t>(row)];
}

int CardTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cards_.size());
}

int CardTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : OverviewColumnCount;
}

QVariant CardTableModel::data(const QModelIndex& index, int role) const {
    const Card* card = cardAt(index.row());
    if (!card)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cellText(*card, index.column());
    case Qt::DecorationRole:
        if (index.column() == QuestionColumn)
            return levelPixmap(levelPicture(card->level));
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    default:
        return {};
    }
}

QVariant CardTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= OverviewColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(strings::text(cards::text::FirstHeading + section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columnAlignment(section));
    return {};
}
