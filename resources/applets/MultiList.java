import java.applet.Applet;
import java.awt.Dimension;
import java.awt.List;
import java.util.function.Function;

/**
 * "Scroll list": a scrolling list of the link descriptions in the page. A click on an entry
 * opens its link; so do a double click and the Enter key. Moving through the list with the
 * arrow keys only selects, so keyboard users can read the entries before choosing one.
 */
public class MultiList extends Applet {
    private static final long serialVersionUID = 1L;

    /** The parameter that holds the descriptions for this applet. */
    public static final String DESCRIPTIONS = "multidescription";

    private mylist links;

    /** How this applet reads the page: the harness and init share it. */
    public static mylist read(Function<String, String> parameters) {
        return new mylist(parameters, DESCRIPTIONS);
    }

    @Override
    public void init() {
        links = read(this::getParameter);
        setBackground(links.background());
        setLayout(null);
        List list = links.newList(getAppletContext(), getDocumentBase());
        Dimension size = links.listSize();
        list.setBounds(0, 0, size.width, size.height);
        add(list);
    }

    @Override
    public String getAppletInfo() {
        return "Scroll list of links, made with Tessaly 1.2";
    }

    @Override
    public String[][] getParameterInfo() {
        return mylist.parameterInfo(DESCRIPTIONS, "the list");
    }
}
