#ifndef INTEGRITYMSG_H
#define INTEGRITYMSG_H

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>

class BaseOstraObj;

// One integrity finding: its severity, the code of the problem, the elements concerned (shared, not
// copied) and optional named extra reasons.
class IntegrityMsg
{
public:
    enum MsgType { INFORMATION = 0, WARNING = 1, ERROR = 2 };

    // The environment's text for a code is its error-dictionary entry 1000 + code; 27 is unused.
    static constexpr int MSG_CODE_RULE_WITHOUT_RELATION = 1;
    static constexpr int MSG_CODE_RULE_WITHOUT_INPUT_PARAMETERS = 2;
    static constexpr int MSG_CODE_RULE_WITHOUT_OUTPUT_PARAMETERS = 3;
    static constexpr int MSG_CODE_RULE_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT = 4;
    static constexpr int MSG_CODE_RULE_OUTPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT = 5;
    static constexpr int MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE =
        6;
    static constexpr int MSG_CODE_RULE_OUTPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE =
        7;
    static constexpr int MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL = 8;
    static constexpr int MSG_CODE_RULE_ONE_OUTPUT_PARAMETER_IS_NULL = 9;
    static constexpr int MSG_CODE_CONSTRAINT_WITHOUT_RELATION = 10;
    static constexpr int MSG_CODE_CONSTRAINT_WITHOUT_INPUT_PARAMETERS = 11;
    static constexpr int
        MSG_CODE_CONSTRAINT_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT = 12;
    static constexpr int
        MSG_CODE_CONSTRAINT_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE = 13;
    static constexpr int MSG_CODE_CONSTRAINT_ONE_INPUT_PARAMETER_IS_NULL = 14;
    static constexpr int MSG_CODE_CONSTRAINT_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION = 15;
    static constexpr int MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME = 16;
    static constexpr int MSG_CODE_RULE_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION = 17;
    static constexpr int MSG_CODE_RULE_OUTPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION = 18;
    static constexpr int MSG_CODE_RULE_WITH_SAME_SHORTNAME = 19;
    static constexpr int MSG_CODE_CLASS_WITH_SAME_SHORTNAME = 20;
    static constexpr int MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME = 21;
    static constexpr int MSG_CODE_RELATION_WITH_SAME_SHORTNAME = 22;
    static constexpr int MSG_CODE_RELATION_SHORTNAME_IS_EMPTY = 23;
    static constexpr int MSG_CODE_CLASS_NO_RELATIONS_STORAGE = 24;
    static constexpr int MSG_CODE_RULE_SHORTNAME_IS_EMPTY = 25;
    static constexpr int MSG_CODE_CONSTRAINT_SHORTNAME_IS_EMPTY = 26;
    static constexpr int MSG_CODE_RULE_SAME_OUTPUT_PARAMETERS = 28;
    static constexpr int MSG_CODE_RULE_SAME_INPUT_AND_OUTPUT_PARAMETERS_WITHOUT_UNIQ_PARAMETER = 29;

    IntegrityMsg(IntegrityMsg::MsgType n_msgType, int n_msgCode,
                 QList<QSharedPointer<const BaseOstraObj>> n_msgReasons);

    void addErrorReason(QSharedPointer<const BaseOstraObj> n_reason);
    // A key already present gets the new text.
    void addAdditionalErrorReason(const QString &n_key, const QString &n_reason);

    IntegrityMsg::MsgType getMsgType() const;
    int getMsgCode() const;
    QList<QSharedPointer<const BaseOstraObj>> getMsgReasons() const;

private:
    MsgType m_msgType;
    int m_msgCode;
    QList<QSharedPointer<const BaseOstraObj>> m_msgReasons;
    QHash<QString, QString> m_additionalReasons;
};

#endif // INTEGRITYMSG_H
