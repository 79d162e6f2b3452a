#include "exam/exam_session.h"

#include "exam/card_picking.h"
#include "exam/exam_texts.h"
#include "exam/levels.h"
#include "store/notices.h"

namespace {

constexpr int kFewestSystematicCards = 11;

// Sets inKnownWordsExam for as long as the known-words examination judges one answer.
class KnownWordsJudging {
public:
    explicit KnownWordsJudging(bool on) : on_(on) {
        if (on_)
            inKnownWordsExam = 1;
    }
    ~KnownWordsJudging() {
        if (on_)
            inKnownWordsExam = 0;
    }
    KnownWordsJudging(const KnownWordsJudging&) = delete;
    KnownWordsJudging& operator=(const KnownWordsJudging&) = delete;

private:
    bool on_;
};

} // namespace

ExamSession::ExamSession(ExamKind kind) : kind_(kind), order_(examKindInfo(kind).order) {}

void ExamSession::start() {
    CardList& source = examSource(kind_);
    switch (order_) {
    case PickOrder::InOrder:
        pickInOrderFrom(0);
        break;
    case PickOrder::Random:
        current_ = pickRandom(source);
        break;
    case PickOrder::Systematic:
        if (countCards(source) < kFewestSystematicCards) {
            showError(exam::text::TooFewForSystematic);
            refused_ = true;
            return;
        }
        queue_ = buildReviewQueue(source);
        current_ = queue_.head()->card;
        break;
    }
}

// A card behind a free slot is asked once: the position moves on to the slot of the card found.
void ExamSession::pickInOrderFrom(int position) {
    const CardList& source = examSource(kind_);
    int slot = occupiedSlotFrom(source, position);
    current_ = slot < 0 ? nullptr : source.slot(slot);
    if (slot >= 0)
        position_ = slot;
}

void ExamSession::judgeAndApply(const std::function<bool(Card& card)>& judge, int32_t position) {
    KnownWordsJudging flag(kind_ == ExamKind::KnownWords);
    const bool right = judge(*current_);
    tally_.count(right);
    if (order_ == PickOrder::Systematic)
        askedCards_.insert(current_);
    if (right)
        answerRight(current_, position);
    else
        answerWrong(current_, static_cast<int16_t>(position));
}

ExamTally ExamSession::tally() const {
    ExamTally tally = tally_;
    switch (order_) {
    case PickOrder::InOrder:
        tally.left = 0;
        if (current_) {
            const CardList& source = examSource(kind_);
            for (int slot = position_; slot < source.slotCount(); ++slot)
                tally.left += source.slot(slot) ? 1 : 0;
        }
        break;
    case PickOrder::Systematic:
        tally.left = queue_.size() - static_cast<int>(askedCards_.size());
        break;
    case PickOrder::Random:
        break;
    }
    return tally;
}

void ExamSession::nextCard(const std::function<bool(Card& card)>& judge) {
    if (!current_)
        return;
    switch (order_) {
    case PickOrder::InOrder:
        judgeAndApply(judge, position_);
        pickInOrderFrom(position_ + 1);
        break;
    case PickOrder::Random:
        judgeAndApply(judge, 0);
        current_ = pickRandom(examSource(kind_));
        break;
    case PickOrder::Systematic: {
        ++position_;
        judgeAndApply(judge, position_);
        queue_.requeueHead();
        current_ = queue_.head()->card;
        break;
    }
    }
}
