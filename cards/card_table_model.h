#pragma once

#include <QAbstractTableModel>

#include <vector>

struct Card;

// The overview's table over a snapshot of card references, taken at each filling. Cells are
// made when the view asks for them, so a list of any length fills at the cost of a copy of
// its pointers.
class CardTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCards(std::vector<Card*> cards);
    const std::vector<Card*>& cards() const { return cards_; }
    Card* cardAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Card*> cards_;
};
