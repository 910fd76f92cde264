import java.applet.AppletContext;
import java.awt.Dimension;
import java.awt.Frame;
import java.awt.List;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.awt.event.MouseEvent;
import java.awt.event.MouseListener;
import java.awt.event.WindowEvent;
import java.awt.event.WindowListener;
import java.net.URL;

/**
 * The window of the "Window list" applet. The window itself is made the first time it is
 * shown, so a page that never opens it costs nothing; closing it only hides it, and the
 * page's button brings it back with the same list.
 */
public class framer_list implements ActionListener, MouseListener, WindowListener {
    public static final String TITLE = "Links";

    private final mylist links;
    private final AppletContext context;
    private final URL documentBase;
    private Frame window;
    private List list;

    public framer_list(mylist links, AppletContext context, URL documentBase) {
        this.links = links;
        this.context = context;
        this.documentBase = documentBase;
    }

    public void show() {
        if (window == null)
            build();
        window.setVisible(true);
        window.toFront();
    }

    public void hide() {
        if (window != null)
            window.setVisible(false);
    }

    public void dispose() {
        if (window != null) {
            window.dispose();
            window = null;
            list = null;
        }
    }

    public boolean isShowing() {
        return window != null && window.isVisible();
    }

    /** Opens the link of a row in its frame; what a click on the row does. */
    public boolean choose(int index) {
        return links.open(index, context, documentBase);
    }

    private void build() {
        window = new Frame(TITLE);
        window.setBackground(links.background());
        list = new List();
        list.setFont(links.font());
        list.setForeground(links.foreground());
        list.setBackground(links.background());
        for (int i = 0; i < links.size(); i++)
            list.add(links.description(i));
        Dimension size = links.listSize();
        list.setPreferredSize(size);
        list.addActionListener(this);
        list.addMouseListener(this);
        window.add(list);
        window.addWindowListener(this);
        window.pack();
    }

    private void chooseSelected() {
        if (list != null)
            choose(list.getSelectedIndex());
    }

    @Override
    public void actionPerformed(ActionEvent event) {
        chooseSelected();
    }

    @Override
    public void mouseClicked(MouseEvent event) {
        if (event.getClickCount() == 1)
            chooseSelected();
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
    public void windowClosing(WindowEvent event) {
        hide();
    }

    @Override
    public void windowOpened(WindowEvent event) {
    }

    @Override
    public void windowClosed(WindowEvent event) {
    }

    @Override
    public void windowIconified(WindowEvent event) {
    }

    @Override
    public void windowDeiconified(WindowEvent event) {
    }

    @Override
    public void windowActivated(WindowEvent event) {
    }

    @Override
    public void windowDeactivated(WindowEvent event) {
    }
}
