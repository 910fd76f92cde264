import java.applet.Applet;
import java.awt.Button;
import java.awt.Choice;
import java.awt.FlowLayout;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.awt.event.ItemEvent;
import java.awt.event.ItemListener;
import java.util.function.Function;

/**
 * "Pull down list": a drop-down list of the link descriptions. Choosing an entry opens its
 * link; the Go button opens the entry shown, so the first entry can be chosen too. Tessaly
 * offers no text colour for this kind (the system draws drop-down text), so only the
 * background colour is applied.
 */
public class multdesc extends Applet implements ItemListener, ActionListener {
    private static final long serialVersionUID = 1L;

    /** The parameter that holds the descriptions for this applet. */
    public static final String DESCRIPTIONS = "descriptions";

    private mylist links;
    private Choice choice;

    /** How this applet reads the page: the harness and init share it. */
    public static mylist read(Function<String, String> parameters) {
        return new mylist(parameters, DESCRIPTIONS);
    }

    @Override
    public void init() {
        links = read(this::getParameter);
        setBackground(links.background());
        setLayout(new FlowLayout(FlowLayout.CENTER, 4, 4));
        choice = new Choice();
        choice.setFont(links.font());
        for (int i = 0; i < links.size(); i++)
            choice.add(links.description(i));
        choice.addItemListener(this);
        add(choice);
        Button go = new Button("Go");
        go.setFont(links.font());
        go.addActionListener(this);
        add(go);
    }

    @Override
    public void itemStateChanged(ItemEvent event) {
        openChosen();
    }

    @Override
    public void actionPerformed(ActionEvent event) {
        openChosen();
    }

    private void openChosen() {
        links.open(choice.getSelectedIndex(), getAppletContext(), getDocumentBase());
    }

    @Override
    public String getAppletInfo() {
        return "Pull down list of links, made with Tessaly 1.2";
    }

    @Override
    public String[][] getParameterInfo() {
        return mylist.parameterInfo(DESCRIPTIONS, null);
    }
}
