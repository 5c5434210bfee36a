#ifndef BASEALGORITHMDATA_H
#define BASEALGORITHMDATA_H

// The settings a solver is made from: take parameters with default values as known, and check
// constraints. Held by QSharedPointer; a derived record is created as what it is.
class BaseAlgorithmData
{
public:
    BaseAlgorithmData(bool n_useDefaultValues, bool n_useConstraints);
    BaseAlgorithmData(const BaseAlgorithmData &n_other);
    // Virtual only so that a record of a derived kind can be recognised through a base pointer.
    virtual ~BaseAlgorithmData();

    bool getUseDefaultValues() const;
    bool getUseConstraints() const;

private:
    bool m_useDefaultValues;
    bool m_useConstraints;
};

#endif // BASEALGORITHMDATA_H
