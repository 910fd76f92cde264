import java.applet.Applet;
import java.awt.Dimension;
import java.awt.List;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.awt.event.MouseEvent;
import java.awt.event.MouseListener;
import java.util.function.Function;

/**
 * "Scroll list": a scrolling list of the link descriptions in the page. A click on an entry
 * opens its link; so do a double click and the Enter key. Moving through the list with the
 * arrow keys only selects, so keyboard users can read the entries before choosing one.
 */
public class MultiList extends Applet implements ActionListener, MouseListener {
    private static final long serialVersionUID = 1L;

    /** The parameter that holds the descriptions for this applet. */
    public static final String DESCRIPTIONS = "multidescription";

    private static final String[][] PARAMETERS = {
        {"multidest", "URLs separated by \", \"", "the link addresses"},
        {DESCRIPTIONS, "text separated by \",\"", "the entries of the list"},
        {"frames", "names separated by \",\"", "the frame target of each link"},
        {"font", "Helvetica, Times Roman, Courier or Dialog", "font of the entries"},
        {"fontsize", "1-200", "font size in points"},
        {"fontstyle", "Normal, Bold, Italic or Bold+Italic", "font style"},
        {"colour", "decimal RGB number", "text colour"},
        {"background", "decimal RGB number", "background colour"},
        {"sound", "file name", "sound played when a link is chosen"},
        {"sizewidth", "pixels", "width of the list"},
        {"sizeheight", "pixels", "height of the list"},
    };

    private mylist links;
    private List list;

    /** How this applet reads the page: the harness and init share it. */
    public static mylist read(Function<String, String> parameters) {
        return new mylist(parameters, DESCRIPTIONS);
    }

    @Override
    public void init() {
        links = read(this::getParameter);
        setBackground(links.background());
        setLayout(null);
        list = new List();
        list.setFont(links.font());
        list.setForeground(links.foreground());
        list.setBackground(links.background());
        for (int i = 0; i < links.size(); i++)
            list.add(links.description(i));
        Dimension size = links.listSize();
        list.setBounds(0, 0, size.width, size.height);
        list.addActionListener(this);
        list.addMouseListener(this);
        add(list);
    }

    private void openChosen() {
        links.open(list.getSelectedIndex(), getAppletContext(), getDocumentBase());
    }

    @Override
    public void actionPerformed(ActionEvent event) {
        openChosen();
    }

    @Override
    public void mouseClicked(MouseEvent event) {
        if (event.getClickCount() == 1)
            openChosen();
    }

    @Override
    public void mousePressed(MouseEvent event) {
    }

    @Override
    public void mouseReleased(MouseEvent event) {
    }

    @Override
    public void mouseEntered(MouseEvent event) {
    }

    @Override
    public void mouseExited(MouseEvent event) {
    }

    @Override
    public String getAppletInfo() {
        return "Scroll list of links, made with Tessaly 1.2";
    }

    @Override
    public String[][] getParameterInfo() {
        return PARAMETERS.clone();
    }
}
