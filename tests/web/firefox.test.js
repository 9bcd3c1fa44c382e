import { engineSuite } from './engine_suite.js';
import { startBrowser } from './puppeteer_driver.js';

engineSuite('Firefox', pageUrl => startBrowser('firefox', pageUrl), { withZoom: true });
