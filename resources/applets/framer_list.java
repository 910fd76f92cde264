import java.applet.AppletContext;
import java.awt.Frame;
import java.awt.List;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.net.URL;

/**
 * The window of the "Window list" applet. The window itself is made the first time it is
 * shown, so a page that never opens it costs nothing; closing it only hides it, and the
 * page's button brings it back with the same list.
 */
public class framer_list extends WindowAdapter {
    public static final String TITLE = "Links";

    private final mylist links;
    private final AppletContext context;
    private final URL documentBase;
    private Frame window;

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
        List list = links.newList(context, documentBase);
        list.setPreferredSize(links.listSize());
        window.add(list);
        window.addWindowListener(this);
        window.pack();
    }

    @Override
    public void windowClosing(WindowEvent event) {
        hide();
    }
}
