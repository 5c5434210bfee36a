#ifndef LAYEREDGRAPHWIDGET_H
#define LAYEREDGRAPHWIDGET_H

#include <QGraphicsView>
#include <QSharedPointer>
#include <QVector>

#include "LayersManager.h"

class AlgorithmSolution;
class BaseNode;
class EdgeItem;
class OstraClass;
class ParameterModel;
class QPrinter;
class QPrintPreviewDialog;
class RuleItem;
class RuleModel;

// A solution drawn as a layered graph: every rule of the rule order with its input and output
// parameters, a parameter produced by an earlier rule drawn once. Zooms with the wheel, highlights
// a clicked rule's arrows, and prints its scene over pages. Owns every node (through its rows),
// every arrow and the scene.
class LayeredGraphWidget : public QGraphicsView
{
    Q_OBJECT

public:
    enum RuleKind { SOLUTION_RULE = 0, SINGLE_RULE = 1 };

    // A graph fitting in fewer tiles than this prints on one page without footer.
    static const int FOR_PAGES_COVER = 2;

    LayeredGraphWidget(QSharedPointer<OstraClass> n_class, QWidget *n_parent = nullptr);
    ~LayeredGraphWidget() override;

    void updateOstraData(QSharedPointer<OstraClass> n_class);

    virtual void ChangeDataFromTestActions(AlgorithmSolution &n_solution, RuleKind n_kind);
    // Rebuilds the scene around the rule of a node of another view: the rule, its inputs and its
    // outputs as that node's arrows link them, read from the class. Everything is looked up before
    // the scene changes: a rule or parameter the class no longer holds throws and leaves the view
    // as it was.
    void AddSingeAlgorithmItem(const RuleItem *n_clicked);
    void DeleteAlgorithmItem();
    void ConnectRuleClick();
    void ConnectRuleDoubleClick(QObject *n_receiver);

    void scaleView(double n_factor);
    void zoomIn();
    void zoomOut();
    void setActive(bool n_active);
    bool isActive() const;

    // Opens the print preview of the scene, modal, on an A4 landscape printer.
    void print();
    // Tiles needed along one direction.
    static int pagesCount(double n_length, double n_pageLength);
    // The part of the scene each printed page shows, in page order, for items whose bounding
    // rectangle is n_extent on pages of n_page device units with the printer's margins: one
    // rectangle when the items need fewer than FOR_PAGES_COVER tiles.
    static QVector<QRect> printTiles(const QRectF &n_extent, const QSize &n_page,
                                     const QMarginsF &n_margins);

    const LayersManager &getLayersManager() const;
    QVector<EdgeItem *> getInputEdges() const;
    QVector<EdgeItem *> getOutputEdges() const;
    QPrintPreviewDialog *getPreviewDialog() const;

public slots:
    void RuleClick(RuleItem *n_item);

protected:
    virtual BaseNode *createRuleItem(QSharedPointer<RuleModel> n_rule, RuleKind n_kind);
    virtual QVector<BaseNode *> *createOutputParameterItems(AlgorithmSolution &n_solution,
                                                            QSharedPointer<RuleModel> n_rule);
    QVector<BaseNode *> *createInputParameterItems(AlgorithmSolution &n_solution,
                                                   QSharedPointer<RuleModel> n_rule);
    void createEdgeItems(const SingleAlgorithmItems &n_items);
    void addEdgeFromParamToRule(BaseNode *n_parameter, BaseNode *n_rule);
    void addEdgeFromRuleToParam(BaseNode *n_rule, BaseNode *n_parameter);
    void addEdgesToScene();

    void mousePressEvent(QMouseEvent *n_event) override;
    void mouseReleaseEvent(QMouseEvent *n_event) override;
    void wheelEvent(QWheelEvent *n_event) override;

private slots:
    void printerPreview(QPrinter *n_printer);

private:
    void replaceScene();
    void placeRule(QVector<BaseNode *> *n_inputs, BaseNode *n_rule, QVector<BaseNode *> *n_outputs);
    void paintPages(QPrinter *n_printer);
    static EdgeItem *newEdge(BaseNode *n_source, BaseNode *n_destination);

    LayersManager m_layers;
    RuleItem *m_lastClickedRule = nullptr;
    QVector<EdgeItem *> m_inputEdges;
    QVector<EdgeItem *> m_outputEdges;
    QGraphicsScene *m_scene;
    QSharedPointer<OstraClass> m_class;
    QPrintPreviewDialog *m_previewDialog = nullptr;
    bool m_active = false;
};

#endif // LAYEREDGRAPHWIDGET_H
