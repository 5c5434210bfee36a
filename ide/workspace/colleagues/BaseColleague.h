#ifndef BASECOLLEAGUE_H
#define BASECOLLEAGUE_H

class BaseMediator;

// What an area or page talks through: it names itself as the sender to its one mediator, given
// at construction and never changed (not owned).
class BaseColleague
{
public:
    explicit BaseColleague(BaseMediator *n_mediator);
    virtual ~BaseColleague() = default;
    BaseColleague(const BaseColleague &) = delete;
    BaseColleague &operator=(const BaseColleague &) = delete;

    virtual void retranslate();

protected:
    BaseMediator *mediator() const;

private:
    BaseMediator *m_mediator;
};

#endif // BASECOLLEAGUE_H
