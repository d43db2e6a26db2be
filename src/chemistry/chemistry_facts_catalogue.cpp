// The 54 facts of the "Fatti della Chimica" box, by number.

#include <algorithm>
#include <array>

#include "chemistry/chemistry_facts.h"

namespace {

struct Fact {
    std::int32_t number;
    std::string_view text;
};

constexpr std::array<Fact, 54> facts{{
    {1, "L'energia di ionizzazione è l'energia necessaria per allontanare un elettrone da un atomo isolato nel vuoto"},
    {2, "L'affinità elettronica è l'energia liberata nella reazione di un atomo A isolato nel vuoto con un "
        "extra-elettrone per dare lo ione A@u-@"},
    {3, "L'energia di ionizzazione aumenta nella Tavola Periodica da sinistra verso destra e diminuisce dall'alto in "
        "basso"},
    {4, "L'affinità elettronica aumenta nella Tavola Periodica da sinistra a destra (eccetto i gas nobili) e tende a "
        "diminuire dall'alto in basso, salvo tra secondo e terzo periodo"},
    {5,
     "Il volume degli atomi diminuisce nella Tavola Periodica da sinistra verso destra e aumenta dall'alto in basso"},
    {6, "L'elettronegatività misura in una scala arbitraria la tendenza relativa degli atomi ad attrarre gli elettroni "
        "di legame"},
    {11, "Gli ossidi degli elementi elettropositivi sono composti ionici contenenti lo ione O@u2-@"},
    {12, "I perossidi sono composti contenenti il legame O-O"},
    {13, "La molecola di acqua ha forma angolata ed è polare"},
    {14,
     "Una molecola è polare se il baricentro delle cariche positive non coincide con quello delle cariche negative"},
    {15, "La forma di molecole semplici è determinata dal numero di legami @bs@ e da quello delle coppie solitarie "
         "presenti sull'atomo centrale"},
    {16, "La molecola di BF@d3@ (3 legami @bs@ e nessuna coppia solitaria intorno al boro) ha forma di triangolo "
         "equilatero con il boro al centro"},
    {17, "Molecole come NH@d3@, NF@d3@, PH@d3@ e PCl@d3@ (3 legami @bs@ e una coppia solitaria intorno all'atomo "
         "centrale) hanno forma di piramide a base triangolare"},
    {18, "La molecola di SF@d4@ (4 legami @bs@ e una coppia solitaria intorno allo zolfo) ha forma a sella (tetraedro "
         "distorto)"},
    {19, "La molecola di XeF@d4@ (4 legami @bs@ e due coppie solitarie intorno allo xeno) ha forma di un quadrato con "
         "lo xeno al centro"},
    {21, "Le costanti di equilibrio aumentano con la temperatura per le reazioni endotermiche, diminuiscono per le "
         "esotermiche"},
    {22, "Le costanti di equilibrio variano con la temperatura secondo la relazione @iK@ = @iK@@d0@exp(-@bD@@iH/RT@)"},
    {23, "La costante di equilibrio @iK@ di una reazione è legata al valore di @bD@@iG@@u0@ dalla relazione "
         "@bD@@iG@@u0@ = -@iRT@ln(@iK@)"},
    {24, "I componenti di una coppia acido/base coniugati differiscono per uno ione H@u+@ (es. HF/F@u-@, "
         "NH@d4@@u+@/NH@d3@, HSO@d3@@u-@/SO@d3@@u2-@)"},
    {25, "I componenti di una coppia acido/base coniugati differiscono per uno ione H@u+@ (es. H@d3@O@u+@/H@d2@O, "
         "H@d2@O/OH@u-@, OH@u-@/O@u2-@)"},
    {26, "Secondo Brønsted, un acido è una specie che può donare uno ione H@u+@ e una base è una specie che può "
         "accettarlo"},
    {27,
     "Un acido è tanto più forte quanto più la sua base coniugata è debole, e viceversa (@iK@@da@@iK@@db@ = @iK@@dw@)"},
    {31, "Il potenziale standard di riduzione per la coppia H@u+@/H@d2@ è zero per definizione"},
    {32, "Il potenziale elettrodico varia con le concentrazioni secondo la legge di Nernst, "
         "@iE@=@iE@@d0@+(@iRT@/nF)ln([Oss]/[Rid])"},
    {33, "Se una reazione redox viene fatta avvenire in una pila, la differenza di potenziale è data da @bD@@iE@ = "
         "-@bD@@iG@/nF"},
    {34, "Per una reazione redox, ln@iK@ = -@bD@@iG@@u0@/@iRT@ = (nF/@iRT@)@bD@@iE@@u0@"},
    {35, "Gli idruri ionici reagiscono con acqua liberando idrogeno (H@u-@ + H@d2@O = H@d2@ + OH@u-@)"},
    {51, "Il diamante e la grafite sono solidi covalenti"},
    {52, "Una sostanza non può esistere in fase liquida a temperature maggiori della temperatura critica"},
    {53, "La relazione @iPV@=@inRT@ (gas ideale) è approssimativamente valida per i gas reali a basse pressioni e alte "
         "temperature"},
    {54, "I gas reali sono descritti approssimativamente dalla legge di van der Waals, "
         "(@iP@+@ian@@u2@/@iV@@u2@)(@iV-nb@)=@inRT@"},
    {55, "I solidi possono essere classificati in ionici, molecolari, covalenti e metallici"},
    {61, "Le costanti cinetiche aumentano con la temperatura secondo la legge di Arrhenius "
         "@ik@=@ik@@d0@exp(-@iE@@da@/@iRT@)"},
    {62,
     "Per una reazione del primo ordine A = prodotti, ln([A]/[A]@d0@) = -@ik@@dc@@it@ e @it@@d1/2@ = ln(2)/@ik@@dc@"},
    {63, "Per una reazione del secondo ordine 2A = prodotti, 1/[A] = 1/[A]@d0@ + 2@ik@@dc@@it@"},
    {64, "L'energia di attivazione è la differenza tra l'energia del complesso attivato e quella dei reagenti"},
    {65, "La velocità di una reazione aA + bB = prodotti è data da @iv@ = @ik@@dc@[A]@um@[B]@un@, dove m e n sono gli "
         "ordini di reazione, da determinare sperimentalmente"},
    {71, "La tensione di vapore del solvente nelle soluzioni di soluti poco volatili è data dalla legge di Raoult @iP@ "
         "= @iP@@d0@@ix@@d1@, da cui (@iP@@d0@ - @iP@)/@iP@@d0@ = @ix@@d2@"},
    {72, "Per soluti non elettroliti, l'abbassamento crioscopico è legato alla molalità (@im@) dalla semplice "
         "relazione @bD@@iT@@df@ = @ik@@df@@im@"},
    {73, "Per soluti non elettroliti, l'innalzamento ebullioscopico è legato alla molalità (@im@) dalla semplice "
         "relazione @bD@@iT@@db@ = @ik@@db@@im@"},
    {74, "Per soluti non elettroliti, la pressione osmotica è legata alla concentrazione dalla relazione @bP@ = "
         "@icRT@"},
    {75, "La solubilità di un gas è proporzionale alla sua pressione parziale (legge di Henry)"},
    {76, "Le soluzioni acquose di sostanze ioniche contengono ioni positivi e negativi idratati"},
    {77, "La solubilità varia con la temperatura secondo la relazione @iS@=@iS@@d0@exp(-@bD@@iH@@ds@/@iRT@)"},
    {81, "La tensione di vapore (@iP@@dv@) aumenta con la temperatura in modo esponenziale: "
         "@iP@@dv@=@iP@@d0@exp(-@bD@@iH@@dv@/@iRT@)"},
    {82, "Una sostanza può sublimare solo a pressioni inferiori a quella del suo punto triplo"},
    {83, "Per il principio di Le Châtelier, un sistema in equilibrio che venga perturbato evolve in modo da opporsi "
         "alla perturbazione"},
    {84, "La densità dell'acqua è massima alla temperatura di 4@uo@C, dove è pari a 1.00 g/cm@u3@"},
    {85, "Un liquido bolle alla temperatura per cui la sua tensione di vapore è eguale alla pressione esterna"},
    {91, "A temperatura e pressione costanti, ogni trasformazione spontanea di un sistema avviene con diminuzione "
         "della sua energia libera (@bD@@iG@<0)"},
    {92, "Ogni trasformazione spontanea è associata ad un aumento dell'entropia dell'Universo (@bD@@iS@@duniv@>0)"},
    {93, "L'entalpia (@iH@) è una funzione di stato, definita come @iH@ = @iE@ + @iPV@"},
    {94, "L'energia libera di Gibbs (@iG@) è una funzione di stato, definita come @iG@ = @iH@ - @iTS@"},
    {95, "La capacità termica molare (@iC@) è la quantità di calore necessaria per innalzare di un grado la "
         "temperatura di una mole di sostanza"},
}};

}  // namespace

std::optional<std::string_view> chemistry_fact(std::int32_t number)
{
    const auto found =
        std::find_if(facts.begin(), facts.end(), [number](const Fact& fact) { return fact.number == number; });
    if (found == facts.end()) return std::nullopt;
    return found->text;
}
